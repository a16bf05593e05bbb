// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gui/form_fixture.h"
#include "support/named_case.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A window after its first page, on a screen of 1920 × 1080 pixels.
struct PaneFixture : FormFixture {
    PaneFixture()
    {
        load();
        deliverPage();
        controller->state().ScreenWidth = 28800;
        controller->state().ScreenHeight = 16200;
        browser.calls.clear();
    }

    void clickHeading(int index, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(window->Label3[index], button);
    }

    QString geometry() const
    {
        return QStringLiteral("%1x%2+%3+%4")
            .arg(window->Width())
            .arg(window->Height())
            .arg(window->Left())
            .arg(window->Top());
    }
};

TEST(PaneHandlers, FirstClickOpensMostOfTheScreenOnTheStationsPage)
{
    PaneFixture f;
    f.clickHeading(0);
    EXPECT_EQ(f.geometry(), QStringLiteral("24480x11340+0+0"));
    EXPECT_EQ(f.controller->state().PaneOpen, 1);
    EXPECT_EQ(f.controller->state().PaneUrl, f.controller->state().PageUrl[2]);
    EXPECT_EQ(f.browser.calls.back(),
              QStringLiteral("navigate http://wdc.nict.go.jp/ionog/ionogram/nowpng/wk546.html"));
    // Width, then height: each change fits the view.
    EXPECT_EQ(f.browser.count(QStringLiteral("width 22080")), 2);
    EXPECT_EQ(f.browser.count(QStringLiteral("height 2075")), 1);
    EXPECT_EQ(f.browser.count(QStringLiteral("height 10490")), 1);
}

TEST(PaneHandlers, UnusableBrowserLeavesTheWindowCompact)
{
    PaneFixture f;
    f.browser.failUsable = true;
    f.clickHeading(0);
    f.clickHeading(4, Qt::RightButton);
    EXPECT_EQ(f.geometry(), QStringLiteral("2340x2925+0+0"));
    EXPECT_EQ(f.controller->state().PaneOpen, 0);
    EXPECT_TRUE(f.browser.calls.empty());
}

struct HeadingCase {
    const char* name;
    int heading;
    Qt::MouseButton button;
    int page; // -1: nothing happens
};
ONDREL_NAMED_CASE(HeadingCase)

class HeadingTest : public testing::TestWithParam<HeadingCase> {};

TEST_P(HeadingTest, HeadingAndButtonChooseThePage)
{
    PaneFixture f;
    f.clickHeading(GetParam().heading, GetParam().button);
    if (GetParam().page < 0) {
        EXPECT_EQ(f.controller->state().PaneOpen, 0);
        EXPECT_TRUE(f.browser.calls.empty());
        EXPECT_EQ(f.window->Width(), 2340);
        return;
    }
    EXPECT_EQ(f.controller->state().PaneOpen, 1);
    EXPECT_EQ(f.browser.calls.back(),
              QStringLiteral("navigate ") + f.controller->state().PageUrl[GetParam().page]);
}

INSTANTIATE_TEST_SUITE_P(Clicks, HeadingTest,
                         testing::Values(HeadingCase{"WakkanaiLeft", 0, Qt::LeftButton, 2},
                                         HeadingCase{"KokubunjiLeft", 1, Qt::LeftButton, 3},
                                         HeadingCase{"YamagawaLeft", 2, Qt::LeftButton, 4},
                                         HeadingCase{"OgimiLeft", 3, Qt::LeftButton, 5},
                                         HeadingCase{"AllLeft", 4, Qt::LeftButton, 1},
                                         HeadingCase{"AllRightIsTheAlertPage", 4, Qt::RightButton,
                                                     0},
                                         HeadingCase{"WakkanaiRight", 0, Qt::RightButton, -1},
                                         HeadingCase{"OgimiRight", 3, Qt::RightButton, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PaneHandlers, MiddleClickBeforeAnyPageTakesTheGeometryButLoadsNothing)
{
    PaneFixture f;
    f.clickHeading(2, Qt::MiddleButton);
    EXPECT_EQ(f.controller->state().PaneOpen, 1);
    EXPECT_EQ(f.window->Width(), 24480);
    EXPECT_EQ(f.browser.count(QStringLiteral("navigate ")), 0);
    EXPECT_TRUE(std::none_of(f.browser.calls.begin(), f.browser.calls.end(),
                             [](const QString& c) { return c.startsWith(u"navigate"); }));
}

struct StoredPaneCase {
    const char* name;
    const char* width; // stored ESW, ESH, ESWT, ESWL
    const char* height;
    const char* top;
    const char* left;
    const char* geometry; // Width x Height + Left + Top
};
ONDREL_NAMED_CASE(StoredPaneCase)

class StoredPaneTest : public testing::TestWithParam<StoredPaneCase> {};

TEST_P(StoredPaneTest, OpensWhereStoredWithDefaultsForWhatIsNoNumber)
{
    const StoredPaneCase& row = GetParam();
    PaneFixture f;
    f.writeSettings({QStringLiteral("ESW=") + row.width, QStringLiteral("ESH=") + row.height,
                     QStringLiteral("ESWT=") + row.top, QStringLiteral("ESWL=") + row.left});
    f.clickHeading(1);
    EXPECT_EQ(f.geometry(), QLatin1String(row.geometry));
    EXPECT_EQ(f.controller->state().PaneOpen, 1);
    EXPECT_EQ(f.browser.calls.back(),
              QStringLiteral("navigate ") + f.controller->state().PageUrl[3]);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredPaneTest,
    testing::Values(
        StoredPaneCase{"AllStored", "9000", "6000", "150", "300", "9000x6000+300+150"},
        StoredPaneCase{"WidthNoNumber", "abc", "6000", "150", "300", "24480x6000+300+150"},
        StoredPaneCase{"HeightNoNumber", "9000", "abc", "150", "300", "9000x11340+300+150"},
        StoredPaneCase{"TopNoNumber", "9000", "6000", "abc", "300", "9000x6000+300+0"},
        StoredPaneCase{"LeftNoNumber", "9000", "6000", "150", "abc", "9000x6000+0+150"},
        StoredPaneCase{"OffEveryScreen", "9000", "6000", "-90000", "90000", "9000x6000+0+0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PaneHandlers, RestoredPositionOffEveryScreenComesBack)
{
    PaneFixture f;
    f.writeSettings({"ESTop=-90000", "ESLeft=90000"});
    f.clickHeading(0);
    QTest::mouseClick(f.window->Command1, Qt::LeftButton);
    EXPECT_EQ(f.geometry(), QStringLiteral("2340x2925+0+0"));
}

TEST(PaneHandlers, RestoreStoresTheEnlargedGeometryAndTheNextOpeningUsesIt)
{
    PaneFixture f;
    f.writeSettings({"ESTop=450", "ESLeft=600"});
    f.clickHeading(0);
    f.window->setOuterSize(12000, 9000);
    f.window->setTop(300);
    f.window->setLeft(150);
    QTest::mouseClick(f.window->Command1, Qt::LeftButton);
    EXPECT_EQ(f.geometry(), QStringLiteral("2340x2925+600+450"));
    EXPECT_EQ(f.controller->state().PaneOpen, 0);
    EXPECT_EQ(f.browser.calls.back(), QStringLiteral("suspend"));
    EXPECT_EQ(f.browser.calls.end()[-2], QStringLiteral("stop"));
    EXPECT_TRUE(
        f.settingsText().contains(QStringLiteral("ESW=12000\nESH=9000\nESWT=300\nESWL=150\n")));

    f.clickHeading(3);
    EXPECT_EQ(f.geometry(), QStringLiteral("12000x9000+150+300"));
}

TEST(PaneHandlers, RestoreWhileCompactStoresTheCurrentGeometryAllTheSame)
{
    PaneFixture f;
    f.window->setOuterSize(6000, 4500);
    emit f.window->Command1->clicked();
    EXPECT_TRUE(f.settingsText().contains(QStringLiteral("ESW=6000\nESH=4500\n")));
    f.clickHeading(4);
    EXPECT_EQ(f.window->Width(), 6000);
}

TEST(PaneHandlers, SecondHeadingJumpsBackToTheStoredGeometry)
{
    PaneFixture f;
    f.writeSettings({"ESW=9000", "ESH=6000", "ESWT=150", "ESWL=300"});
    f.clickHeading(0);
    f.window->setTop(900);
    f.clickHeading(1);
    EXPECT_EQ(f.geometry(), QStringLiteral("9000x6000+300+150"));
}

TEST(PaneHandlers, CompactLayoutSkipsTheNegativeWidth)
{
    FormFixture f;
    f.load();
    EXPECT_EQ(f.browser.count(QStringLiteral("height 2075")), 1);
    EXPECT_TRUE(std::none_of(f.browser.calls.begin(), f.browser.calls.end(),
                             [](const QString& c) { return c.startsWith(u"width"); }));
}

TEST(PaneHandlers, HistoryButtonsStepOrFailQuietly)
{
    PaneFixture f;
    QTest::mouseClick(f.window->Command2, Qt::LeftButton);
    QTest::mouseClick(f.window->Command3, Qt::LeftButton);
    EXPECT_TRUE(f.browser.calls.empty());
    f.browser.failBack = false;
    f.browser.failForward = false;
    QTest::mouseClick(f.window->Command2, Qt::LeftButton);
    QTest::mouseClick(f.window->Command3, Qt::LeftButton);
    EXPECT_EQ(f.browser.calls, (std::vector<QString>{"back", "forward"}));
}

TEST(WindowControls, KeepInFrontFollowsTheCheckBox)
{
    PaneFixture f;
    f.window->show();
    QTest::mouseClick(f.window->Check1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(f.window->Check1->isChecked());
    EXPECT_TRUE(f.window->keepsInFront());
    EXPECT_TRUE(f.window->isVisible());
    EXPECT_EQ(f.browser.count(QStringLiteral("focus")), 1);
    QTest::mouseClick(f.window->Check1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(f.window->keepsInFront());
}

TEST(WindowControls, RefReloadsAtOnceAndThePaneWhenOpen)
{
    PaneFixture f;
    const int elapsed = f.loop.countdown().ReloadElapsed();
    QTest::mouseClick(f.window->Label6, Qt::LeftButton);
    EXPECT_EQ(f.download.urls.size(), 2u);
    EXPECT_EQ(f.browser.count(QStringLiteral("reload")), 0);
    EXPECT_EQ(f.loop.countdown().ReloadElapsed(), elapsed);
    f.deliverPage();
    f.clickHeading(0);
    QTest::mouseClick(f.window->Label6, Qt::LeftButton);
    EXPECT_EQ(f.download.urls.size(), 3u);
    EXPECT_EQ(f.browser.count(QStringLiteral("reload")), 1);
}

TEST(WindowControls, ClosedPaneSleepsThroughTheScheduledReloadTheRetryAndRef)
{
    PaneFixture f;
    f.clickHeading(0);
    QTest::mouseClick(f.window->Command1, Qt::LeftButton);
    f.loop.countdown().setElapsed(f.loop.countdown().ReloadPeriod() - 1);
    f.clock.time = QTime(10, 0, 1);
    f.controller->Timer2_Timer();
    f.download.fail();
    f.boxes.closeTimed();
    f.controller->Timer1_Timer();
    f.deliverPage();
    QTest::mouseClick(f.window->Label6, Qt::LeftButton);
    EXPECT_EQ(f.download.urls.size(), 4u);
    EXPECT_EQ(f.browser.count(QStringLiteral("reload")), 0);
}

} // namespace
