// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_recorder.h"
#include "support/history_records.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using historytest::readout;

class HistoryRecorderTest : public testing::Test {
protected:
    QTemporaryDir m_dir;
    QDateTime m_now = QDateTime(QDate(2026, 12, 7), QTime(1, 16), Qt::UTC);
    int m_keepDays = 400;
    HistoryRecorder m_recorder{[this] { return m_dir.filePath(QStringLiteral("h.sqlite")); },
                               [this] { return m_keepDays; }, [this] { return m_now; }};
};

TEST_F(HistoryRecorderTest, LogsParsedPagesOnly)
{
    EXPECT_FALSE(
        m_recorder.recordRefresh(RefreshOutcome::Stopped, readout("2026/12/07 10:00 JST")));
    EXPECT_FALSE(m_recorder.recordRefresh(RefreshOutcome::NetworkError, readout("x")));
    EXPECT_TRUE(m_recorder.recordRefresh(RefreshOutcome::Parsed, readout("2026/12/07 10:15 JST")));
    const std::vector<PageRecord> records = m_recorder.log()->read();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].fetchedUtc, m_now);
}

TEST_F(HistoryRecorderTest, PrunesOnceADayByTheKeptDays)
{
    m_keepDays = 400;
    m_recorder.recordRefresh(RefreshOutcome::Parsed, readout("2026/12/01 10:15 JST"));
    m_keepDays = 2; // not asked again the same day
    m_recorder.recordRefresh(RefreshOutcome::Parsed, readout("2026/12/07 10:15 JST"));
    EXPECT_EQ(m_recorder.log()->read().size(), 8u);
    m_now = m_now.addDays(1);
    m_recorder.recordRefresh(RefreshOutcome::Parsed, readout("2026/12/08 10:15 JST"));
    const std::vector<PageRecord> left = m_recorder.log()->read();
    ASSERT_EQ(left.size(), 8u);
    EXPECT_EQ(left[0].pageTime, QStringLiteral("2026/12/07 10:15 JST"));
}

TEST(HistoryRecorder, EmptyPathLogsNothing)
{
    HistoryRecorder recorder([] { return QString(); }, [] { return 400; });
    EXPECT_FALSE(recorder.recordRefresh(RefreshOutcome::Parsed, readout("2026/12/07 10:15 JST")));
    EXPECT_EQ(recorder.log(), nullptr);
}

} // namespace
