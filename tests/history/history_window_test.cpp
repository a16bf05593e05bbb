#include "app/form_fixture.h"
#include "history/history_chart.h"
#include "history/history_export.h"
#include "history/history_window.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// The window with its history logged into the fixture's directory.
class HistoryWindowTest : public testing::Test {
protected:
    HistoryWindowTest()
    {
        QStandardPaths::setTestModeEnabled(true);
        f.controller.reset();
        f.controller = std::make_unique<FormController>(
            *f.window, FormSeams{f.download, f.boxes, f.clock, f.browser,
                                 [this] { return f.directory.path(); }, &f.timer1, &f.timer2,
                                 [this] { return dbPath(); }});
        f.load();
    }
    QString dbPath() const { return f.directory.filePath(QStringLiteral("history.sqlite")); }
    HistoryLog& log() { return *f.controller->history.recorder.log(); }
    // The realistic page's time, 2026/12/07 10:15 JST, plus a little.
    static QDateTime pageNow() { return QDateTime(QDate(2026, 12, 7), QTime(1, 20), Qt::UTC); }

    FormFixture f;
};

TEST_F(HistoryWindowTest, EachPageIsLoggedOnce)
{
    f.deliverPage();
    f.controller->fetch.RefreshAlert();
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
    HistoryWindow* history = f.controller->history.window();
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->isVisible());
    EXPECT_EQ(history->windowTitle(), QStringLiteral("履歴"));
    EXPECT_EQ(history->span(), ChartSpan::Hours24);
    EXPECT_EQ(history->view(), ChartView::Es);
}

TEST_F(HistoryWindowTest, ShowsTheLoggedPageWithTooltipAndSavesItAsCsv)
{
    f.deliverPage();
    f.controller->openHistory();
    HistoryWindow* history = f.controller->history.window();
    ASSERT_NE(history, nullptr);
    history->nowUtc = pageNow;
    history->reload();

    const ChartData& data = history->chart->data();
    ASSERT_EQ(data.series.size(), 4u);
    ASSERT_EQ(data.series[1].segments.size(), 1u);
    const ChartPoint point = data.series[1].segments[0][0];
    const QString tip = history->chart->describeAt(history->chart->scale().map(point.t, point.value));
    EXPECT_TRUE(tip.contains(QStringLiteral("国分寺"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QStringLiteral("Es 8.6 MHz (BLINK-YELLOW-P)"))) << tip.toStdString();

    const QString csv = f.directory.filePath(QStringLiteral("shown.csv"));
    history->chooseCsvFile = [&csv] { return csv; };
    history->saveButton->click();
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_EQ(saved, historyCsv(log().read()));
    EXPECT_EQ(saved.count('\n'), 5);
}

TEST_F(HistoryWindowTest, SpanAndViewChooseWhatIsDrawn)
{
    f.deliverPage();
    f.controller->openHistory();
    HistoryWindow* history = f.controller->history.window();
    history->nowUtc = [] { return pageNow().addSecs(7 * 3600); };
    history->setView(ChartView::FmaxFmin);
    EXPECT_EQ(history->chart->data().series.size(), 8u);
    EXPECT_EQ(history->chart->data().to - history->chart->data().from, 86400);
    history->setSpan(ChartSpan::Hours6); // the page is now 7 hours old
    EXPECT_EQ(history->chart->data().to - history->chart->data().from, 6 * 3600);
    for (const ChartSeries& series : history->chart->data().series)
        EXPECT_TRUE(series.segments.empty());
}

} // namespace
