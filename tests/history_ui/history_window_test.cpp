// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_ui/history_window.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The home folder moved to a temporary one for one test.
class TemporaryHome {
public:
    TemporaryHome() : m_saved(qgetenv("HOME")) { qputenv("HOME", dir.path().toLocal8Bit()); }
    ~TemporaryHome() { qputenv("HOME", m_saved); }
    QTemporaryDir dir;

private:
    QByteArray m_saved;
};

class ProposedCsvPathTest : public testing::TestWithParam<bool> {};

TEST_P(ProposedCsvPathTest, NamedInJstInTheDocumentsFolderOrHome)
{
    const TemporaryHome home;
    const bool hasDocuments = GetParam();
    if (hasDocuments) {
        ASSERT_TRUE(QDir(home.dir.path()).mkdir(QStringLiteral("Documents")));
    }
    HistoryWindow history({});
    history.nowUtc = [] {
        return QDateTime(QDate(2026, 12, 7), QTime(1, 20), Qt::UTC);
    }; // 10:20 JST
    EXPECT_EQ(history.proposedCsvPath(),
              home.dir.filePath(hasDocuments ? "Documents/ondrel-history-20261207-1020.csv"
                                             : "ondrel-history-20261207-1020.csv"));
}

INSTANTIATE_TEST_SUITE_P(Folders, ProposedCsvPathTest, testing::Bool(),
                         [](const auto& info) { return info.param ? "Documents" : "NoDocuments"; });

} // namespace
