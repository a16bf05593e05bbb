// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gui/form_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

void tickAt(FormFixture& f, QTime time)
{
    f.clock.time = time;
    f.controller->Timer2_Timer();
}

TEST(Scheduler, CaptionCountsDownAndTheReloadComesAtThePeriod)
{
    FormFixture f;
    f.clock.time = QTime(10, 7, 30);
    f.load();
    tickAt(f, QTime(10, 7, 31));
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral(" 1:29"));

    f.deliverPage();
    for (QTime t(10, 7, 32); t <= QTime(10, 8, 59); t = t.addSecs(1))
        tickAt(f, t);
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Es 注意 0:01"));
    EXPECT_EQ(f.download.urls.size(), 1u);

    tickAt(f, QTime(10, 9, 0));
    EXPECT_EQ(f.download.urls.size(), 2u);
    EXPECT_EQ(f.loop.countdown().ReloadElapsed(), 0);
    EXPECT_EQ(f.browser.count(QStringLiteral("reload")), 0);
    tickAt(f, QTime(10, 9, 1));
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Es 注意 2:59"));
}

TEST(Scheduler, OpenPaneIsReloadedWithEachScheduledReloadAndRetry)
{
    FormFixture f;
    f.clock.time = QTime(10, 8, 58);
    f.load();
    f.deliverPage();
    f.controller->state().PaneOpen = 1;
    tickAt(f, QTime(10, 8, 59));
    tickAt(f, QTime(10, 9, 0));
    EXPECT_EQ(f.browser.count(QStringLiteral("reload")), 1);
    f.download.fail();
    f.boxes.closeTimed();
    EXPECT_TRUE(f.timer1.armed());
    f.controller->Timer1_Timer();
    EXPECT_FALSE(f.timer1.armed());
    EXPECT_EQ(f.download.urls.size(), 3u);
    EXPECT_EQ(f.browser.count(QStringLiteral("reload")), 2);
}

TEST(Scheduler, RetryLeavesTheCountdownAlone)
{
    FormFixture f;
    f.clock.time = QTime(10, 7, 30);
    f.load();
    f.download.fail();
    EXPECT_EQ(f.window->fmcls->text(), QStringLiteral("応答なし-11"));
    EXPECT_TRUE(f.window->Label1->autoFillBackground());
    f.boxes.closeTimed();
    const int elapsed = f.loop.countdown().ReloadElapsed();
    f.controller->Timer1_Timer();
    EXPECT_EQ(f.loop.countdown().ReloadElapsed(), elapsed);
    EXPECT_EQ(f.browser.count(QStringLiteral("reload")), 0);
    f.deliverPage();
    EXPECT_FALSE(f.window->Label1->autoFillBackground());
    EXPECT_EQ(f.window->fmcls->text(), QStringLiteral("2026/12/07 10:15 JST現在"));
}

TEST(Scheduler, QuarterHourRestartsTheCountWithoutReload)
{
    FormFixture f;
    f.clock.time = QTime(10, 14, 58);
    f.load();
    tickAt(f, QTime(10, 14, 59));
    tickAt(f, QTime(10, 15, 0));
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral(" 3:00"));
    EXPECT_EQ(f.download.urls.size(), 1u);
}

TEST(PeriodEditor, RightClickOnTheHeaderOpensItOnThePeriod)
{
    FormFixture f;
    f.window->show();
    f.load();
    EXPECT_FALSE(f.window->Frame2->isVisible());
    QTest::mouseClick(f.window->Label1, Qt::RightButton);
    EXPECT_TRUE(f.window->Frame2->isVisible());
    EXPECT_TRUE(f.window->Frame2->isEnabled());
    EXPECT_EQ(f.window->Frame2->pos(), QPoint(8, 8));
    EXPECT_EQ(f.window->VScroll1->value(), 180);
    QTest::mouseClick(f.window->Label1, Qt::MiddleButton);
    EXPECT_TRUE(f.boxes.shown.empty());
}

TEST(PeriodEditor, SetCommitsAlignsToTheHourAndStores)
{
    FormFixture f;
    f.window->show();
    f.load();
    f.controller->openPeriodEditor();
    f.clock.time = QTime(10, 20, 0);
    f.window->VScroll1->setValue(105);
    EXPECT_EQ(f.window->Label4->text(), QStringLiteral("1m45s 毎"));
    QTest::mouseClick(f.window->Command5, Qt::LeftButton);
    EXPECT_EQ(f.loop.countdown().ReloadPeriod(), 105);
    EXPECT_EQ(f.loop.countdown().ReloadElapsed(), 45);
    EXPECT_FALSE(f.window->Frame2->isVisible());
    EXPECT_FALSE(f.window->Frame2->isEnabled());
    EXPECT_EQ(f.settingsText(), QStringLiteral("[ESConf]\nTM2=105\n"));

    f.clock.time = QTime(10, 20, 30);
    f.controller->openPeriodEditor();
    f.window->VScroll1->setValue(180);
    emit f.window->Command5->clicked();
    EXPECT_EQ(f.loop.countdown().ReloadElapsed(), 150);
    EXPECT_EQ(f.settingsText(), QStringLiteral("[ESConf]\nTM2=180\n"));
}

TEST(PeriodEditor, CancelKeepsThePeriodAndReopeningResetsTheBar)
{
    FormFixture f;
    f.window->show();
    f.load();
    f.controller->openPeriodEditor();
    f.window->VScroll1->setValue(240);
    QTest::mouseClick(f.window->Command6, Qt::LeftButton);
    EXPECT_EQ(f.loop.countdown().ReloadPeriod(), 180);
    EXPECT_EQ(f.window->Label4->text(), QStringLiteral("4m00s 毎"));
    EXPECT_FALSE(f.window->Frame2->isVisible());
    EXPECT_FALSE(QFile::exists(f.settingsPath()));
    f.controller->openPeriodEditor();
    EXPECT_EQ(f.window->Label4->text(), QStringLiteral("3m00s 毎"));
}

TEST(PeriodEditor, BarStaysWithinOneToFifteenMinutes)
{
    FormFixture f;
    f.load();
    f.window->VScroll1->setValue(60);
    QTest::keyClick(f.window->VScroll1, Qt::Key_Down);
    EXPECT_EQ(f.window->VScroll1->value(), 60);
    EXPECT_EQ(f.window->Label4->text(), QStringLiteral("1m00s 毎"));
    f.window->VScroll1->setValue(900);
    QTest::keyClick(f.window->VScroll1, Qt::Key_Up);
    EXPECT_EQ(f.window->VScroll1->value(), 900);
    EXPECT_EQ(f.window->Label4->text(), QStringLiteral("15m00s 毎"));
}

// Up raises: the arrow at the top, the up key and Page Up.
TEST(PeriodEditor, UpRaisesThePeriod)
{
    FormFixture f;
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window.get()));
    f.load();
    f.controller->openPeriodEditor();
    QScrollBar* bar = f.window->VScroll1;
    const struct {
        const char* name;
        std::function<void()> press;
        int change;
    } rows[] = {
        {"TopArrow",
         [bar] {
             QTest::mouseClick(bar, Qt::LeftButton, {}, {bar->width() / 2, 2});
         },
         1},
        {"BottomArrow",
         [bar] {
             QTest::mouseClick(bar, Qt::LeftButton, {}, {bar->width() / 2, bar->height() - 3});
         },
         -1},
        {"Up", [bar] { QTest::keyClick(bar, Qt::Key_Up); }, 1},
        {"Down", [bar] { QTest::keyClick(bar, Qt::Key_Down); }, -1},
        {"PageUp", [bar] { QTest::keyClick(bar, Qt::Key_PageUp); }, 15},
        {"PageDown", [bar] { QTest::keyClick(bar, Qt::Key_PageDown); }, -15},
    };
    for (const auto& row : rows) {
        bar->setValue(180);
        row.press();
        EXPECT_EQ(bar->value(), 180 + row.change) << row.name;
    }
}

TEST(PeriodEditor, PeriodOutsideTheBarKeepsTheEditorClosed)
{
    FormFixture f;
    f.load();
    f.loop.countdown().setPeriod(30);
    f.controller->openPeriodEditor();
    EXPECT_FALSE(f.window->Frame2->isEnabled());
}

} // namespace
