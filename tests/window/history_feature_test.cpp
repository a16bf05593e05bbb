// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_export.h"
#include "history_ui/history_chart.h"
#include "history_ui/history_window.h"
#include "support/gui/form_fixture.h"
#include "window/history_feature.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// The window with its history logged into the fixture's directory.
class HistoryWindowTest : public testing::Test {
protected:
    HistoryWindowTest()
    {
        QStandardPaths::setTestModeEnabled(true);
        f.load();
    }
    QString dbPath() const { return f.directory.filePath(QStringLiteral("history.sqlite")); }
    HistoryLog& log() { return *history.recorder().log(); }
    // The realistic page's time, 2026/12/07 10:15 JST, plus a little.
    static QDateTime pageNow() { return QDateTime(QDate(2026, 12, 7), QTime(1, 20), Qt::UTC); }

    FormFixture f;
    HistoryFeature history{*f.window, f.loop, f.settings, [this] { return dbPath(); }};
};

TEST_F(HistoryWindowTest, EachPageIsLoggedOnce)
{
    f.deliverPage();
    f.loop.RefreshAlert();
    f.deliverPage(); // the same page again
    const std::vector<PageRecord> records = log().read();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].pageTime, QStringLiteral("2026/12/07 10:15 JST"));
    EXPECT_EQ(records[1].values[EsColumn], 8.6);
    EXPECT_EQ(records[1].signalNames[EsColumn], QStringLiteral("BLINK-YELLOW-P"));
}

TEST_F(HistoryWindowTest, CtrlHOpensTheHistoryWindow)
{
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
    QTest::keyClick(f.window.get(), Qt::Key_H, Qt::ControlModifier);
    HistoryWindow* shown = history.window();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("履歴"));
    EXPECT_EQ(shown->span(), ChartSpan::Hours24);
    EXPECT_EQ(shown->view(), ChartView::Es);
}

TEST_F(HistoryWindowTest, ShowsTheLoggedPageWithTooltipAndSavesItAsCsv)
{
    f.deliverPage();
    history.openHistory();
    HistoryWindow* shown = history.window();
    ASSERT_NE(shown, nullptr);
    shown->nowUtc = pageNow;
    shown->reload();

    const ChartData& data = shown->chart->data();
    ASSERT_EQ(data.series.size(), 4u);
    ASSERT_EQ(data.series[1].segments.size(), 1u);
    const ChartPoint point = data.series[1].segments[0][0];
    const QString tip = shown->chart->describeAt(shown->chart->scale().map(point.t, point.value));
    EXPECT_TRUE(tip.contains(QStringLiteral("国分寺"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QStringLiteral("Es 8.6 MHz (注意)"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QStringLiteral("Fmax 6.2 MHz (通常)"))) << tip.toStdString();

    const QString csv = f.directory.filePath(QStringLiteral("shown.csv"));
    QString proposed;
    shown->chooseCsvFile = [&](const QString& start) {
        proposed = start;
        return csv;
    };
    shown->saveButton->click();
    EXPECT_EQ(proposed, shown->proposedCsvPath());
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_EQ(saved, historyCsv(log().read()));
    EXPECT_EQ(saved.count('\n'), 5);
}

TEST_F(HistoryWindowTest, SpanAndViewChooseWhatIsDrawn)
{
    f.deliverPage();
    history.openHistory();
    HistoryWindow* shown = history.window();
    shown->nowUtc = [] { return pageNow().addSecs(7 * 3600); };
    shown->setView(ChartView::FmaxFmin);
    EXPECT_EQ(shown->chart->data().series.size(), 8u);
    EXPECT_EQ(shown->chart->data().to - shown->chart->data().from, 86400);
    shown->setSpan(ChartSpan::Hours6); // the page is now 7 hours old
    EXPECT_EQ(shown->chart->data().to - shown->chart->data().from, 6 * 3600);
    for (const ChartSeries& series : shown->chart->data().series)
        EXPECT_TRUE(series.segments.empty());
}

class HistoryCloseKeyTest : public HistoryWindowTest,
                            public testing::WithParamInterface<QKeyCombination> {};

TEST_P(HistoryCloseKeyTest, KeyClosesTheWindow)
{
    history.openHistory();
    HistoryWindow* shown = history.window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
    QTest::keyClick(shown, GetParam().key(), GetParam().keyboardModifiers());
    EXPECT_FALSE(shown->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Keys, HistoryCloseKeyTest,
                         testing::Values(QKeyCombination(Qt::Key_Escape),
                                         QKeyCombination(Qt::ControlModifier, Qt::Key_W)),
                         [](const auto& info) { return info.index == 0 ? "Esc" : "CtrlW"; });

} // namespace
