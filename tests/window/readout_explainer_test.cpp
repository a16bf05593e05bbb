// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/readout_help.h"
#include "support/fakes.h"
#include "support/gui/form_fixture.h"
#include "support/named_case.h"
#include "window/accessible_texts.h"
#include "window/readout_explainer.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Two distinct positions, so the label gets at least one real move.
void hover(QWidget* control)
{
    QTest::mouseMove(control, QPoint(2, 2));
    QTest::mouseMove(control, QPoint(5, 4));
}

// A shown window with the realistic page on it.
void showRefreshed(FormFixture& f)
{
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window.get()));
    f.load();
    f.deliverPage();
}

TEST(StationMessage, LeftClickOnEsShowsItsParagraph)
{
    FormFixture f;
    showRefreshed(f);
    QTest::mouseClick(f.window->Label2[2], Qt::LeftButton);
    ASSERT_EQ(f.boxes.shown.size(), 1u);
    const FakeMessageBoxes::Shown& box = f.boxes.shown[0];
    EXPECT_TRUE(box.text.contains(QStringLiteral("[MHz]"))) << box.text.toStdString();
    EXPECT_TRUE(box.title.startsWith(QStringLiteral("Ondrel  "))) << box.title.toStdString();
    EXPECT_TRUE(box.title.endsWith(f.loop.readout().DelayNote[0]));
    EXPECT_EQ(box.title, QStringLiteral("Ondrel  稚内(北海道) "));
    EXPECT_FALSE(box.title.contains(u'◎'));
    EXPECT_FALSE(box.text.contains(u'◎'));
    EXPECT_EQ(box.icon, MessageBoxes::Icon::Information);
    EXPECT_EQ(box.milliseconds, -1);
}

TEST(StationMessage, ShowsEntitiesAsTextAndNoLineBreakInItsTitle)
{
    FormFixture f;
    showRefreshed(f);
    const QString detail = QStringLiteral(" 稚内(北海道)\r\n◎約 11.2 [MHz]です&NBSP;◎b◎c");
    f.loop.readout().StationDetail[0] = detail;
    QTest::mouseClick(f.window->Label2[0], Qt::LeftButton);
    ASSERT_EQ(f.boxes.shown.size(), 1u);
    EXPECT_EQ(f.boxes.shown[0].title, QStringLiteral("Ondrel  稚内(北海道)"));
    EXPECT_EQ(f.boxes.shown[0].text, QStringLiteral("約 11.2 [MHz]です "));
    EXPECT_EQ(f.loop.readout().StationDetail[0], detail);
}

struct SilentClickCase {
    const char* name;
    int index;
    Qt::MouseButton button;
    bool refreshed;
};
ONDREL_NAMED_CASE(SilentClickCase)

class SilentClickTest : public testing::TestWithParam<SilentClickCase> {};

TEST_P(SilentClickTest, ShowsNothing)
{
    const SilentClickCase& row = GetParam();
    FormFixture f;
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window.get()));
    f.load();
    if (row.refreshed)
        f.deliverPage();
    QTest::mouseClick(f.window->Label2[row.index], row.button);
    EXPECT_TRUE(f.boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, SilentClickTest,
    testing::Values(SilentClickCase{"RightOnStationCell", 2, Qt::RightButton, true},
                    SilentClickCase{"MiddleOnStationCell", 0, Qt::MiddleButton, true},
                    SilentClickCase{"LeftOnSummaryCell", 13, Qt::LeftButton, true},
                    SilentClickCase{"LeftBeforeFirstRefresh", 4, Qt::LeftButton, false},
                    SilentClickCase{"LeftOnSummaryBeforeFirstRefresh", 12, Qt::LeftButton, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct HoverCase {
    const char* name;
    int index;
    const char16_t* expected;
};
ONDREL_NAMED_CASE(HoverCase)

class HoverTest : public testing::TestWithParam<HoverCase> {};

TEST_P(HoverTest, SetsTheCellsTooltip)
{
    const HoverCase& row = GetParam();
    FormFixture f;
    showRefreshed(f);
    QLabel* cell = f.window->Label2[row.index];
    cell->setToolTip(QStringLiteral("stale"));
    hover(cell);
    EXPECT_EQ(cell->toolTip(), QString::fromUtf16(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Cells, HoverTest,
                         testing::Values(HoverCase{"Fmax", 0, u"Ｆ層臨界周波数[MHz]"},
                                         HoverCase{"Fmin", 4, u"電離層最低反射周波数[MHz]"},
                                         HoverCase{"Es", 11, u"スポラディックＥ層臨界周波数[MHz]"},
                                         HoverCase{"Summary", 14, u""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CellTooltip, FollowsTheCellsCurrentState)
{
    FormFixture f;
    showRefreshed(f);
    QLabel* cell = f.window->Label2[6];
    hover(cell);
    EXPECT_EQ(cell->toolTip(), QStringLiteral("Ｆ層臨界周波数[MHz]"));

    f.loop.readout().cells[6].caption = QStringLiteral("?");
    f.window->render(f.loop.readout());
    hover(cell);
    EXPECT_EQ(cell->toolTip(), QStringLiteral("データがない為不明"));

    f.loop.readout().DelayNote[2] = QStringLiteral(" (データ遅延と思われます QRX)");
    hover(cell);
    EXPECT_EQ(cell->toolTip(), QStringLiteral("データ遅延と思われます QRX"));
}

TEST(Help, LeftClickOnTheHeaderShowsIt)
{
    FormFixture f;
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window.get()));
    f.load();
    QTest::mouseClick(f.window->Label1, Qt::LeftButton);
    ASSERT_EQ(f.boxes.shown.size(), 1u);
    const FakeMessageBoxes::Shown& box = f.boxes.shown[0];
    EXPECT_EQ(box.title, QStringLiteral("Ondrel"));
    EXPECT_EQ(box.icon, MessageBoxes::Icon::Information);
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("このデータは「WDC for Ionosphere")));
    EXPECT_TRUE(box.text.startsWith(helpMessage().text + QStringLiteral("\r\n\r\n")));
    EXPECT_FALSE(f.window->Frame2->isVisible());

    QTest::mouseClick(f.window->Label1, Qt::MiddleButton);
    EXPECT_EQ(f.boxes.shown.size(), 1u);
}

TEST(Help, ExplainsColoursAndMarksAndListsTheKeysAfterItsOwnText)
{
    Form1 window;
    ReadoutState readout;
    for (const SignalPalette palette : {SignalPalette::Standard, SignalPalette::Cvd}) {
        window.setSignalPalette(palette);
        FakeMessageBoxes boxes;
        ReadoutExplainer(window, readout, boxes).showHelp();
        ASSERT_EQ(boxes.shown.size(), 1u);
        const QString& text = boxes.shown[0].text;
        EXPECT_TRUE(text.startsWith(helpMessage().text + QStringLiteral("\r\n\r\n色と印の意味")));
        EXPECT_TRUE(text.contains(readoutLegendText(palette)));
        EXPECT_EQ(text.contains(QStringLiteral("空色 静穏")), palette == SignalPalette::Cvd);
        EXPECT_TRUE(text.contains(QStringLiteral("静・寂 静穏、注 注意、注! Fmax・Fmin の警報")));
        EXPECT_TRUE(text.contains(QStringLiteral("\r\nF5: ") + reloadNowName()));
        EXPECT_TRUE(text.contains(QStringLiteral("\r\nCtrl+M: Es マップを開く")));
    }
}

TEST(SummaryHeading, HoverSetsItsHintAndStationHeadingsKeepTheirs)
{
    FormFixture f;
    showRefreshed(f);
    EXPECT_EQ(f.window->Label3[4]->toolTip(), QStringLiteral("右"));
    hover(f.window->Label3[4]);
    EXPECT_EQ(f.window->Label3[4]->toolTip(), QStringLiteral("右ｸﾘｯｸすると全体の詳細表示します"));
    hover(f.window->Label3[0]);
    EXPECT_EQ(f.window->Label3[0]->toolTip(), QStringLiteral("ｸﾘｯｸすると稚内の詳細"));
    EXPECT_TRUE(f.boxes.shown.empty());
}

} // namespace
