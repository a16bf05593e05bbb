// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/signal_indicator.h"

#include "support/named_case.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Runs one refresh's worth of signals: levels reset, twelve cells, summary.
ReadoutState showAll(const std::vector<QString>& signalNames, ReadoutState state = {})
{
    state.SummaryLevel.fill(0);
    for (int i = 0; i < static_cast<int>(signalNames.size()); ++i)
        ShowSignal(state, signalNames[i], i);
    ShowSummary(state);
    return state;
}

std::vector<QString> allOf(const QString& name)
{
    return std::vector<QString>(kStationCellCount, name);
}

struct CellColourCase {
    const char* name;
    const char16_t* signal;
    ColourValue colour;
};
ONDREL_NAMED_CASE(CellColourCase)

class CellColourTest : public testing::TestWithParam<CellColourCase> {};

TEST_P(CellColourTest, SignalSetsCellColour)
{
    ReadoutState state;
    state.cells[4].colour = 0x123456;
    ShowSignal(state, QString::fromUtf16(GetParam().signal), 4);
    EXPECT_EQ(state.cells[4].colour, GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(
    Signals, CellColourTest,
    testing::Values(CellColourCase{"Green", u"GREEN", QuietColor},
                    CellColourCase{"Undefine", u"UNDEFINE", UndefinedColor},
                    CellColourCase{"BlinkYellow", u"BLINK-YELLOW", CautionColor},
                    CellColourCase{"BlinkYellowP", u"BLINK-YELLOW-P", CautionColor},
                    CellColourCase{"BlinkYellowN", u"BLINK-YELLOW-N", CautionColor},
                    CellColourCase{"BlinkRed", u"BLINK-RED", AlertColor},
                    CellColourCase{"BlinkRedP", u"BLINK-RED-P", AlertColor},
                    CellColourCase{"BlinkRedN", u"BLINK-RED-N", AlertColor},
                    CellColourCase{"LowerCaseKeepsColour", u"green", 0x123456},
                    CellColourCase{"EmptyKeepsColour", u"", 0x123456},
                    CellColourCase{"PrefixOnlyKeepsColour", u"BLINK-RE", 0x123456}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SignalIndicator, AllUndefinedIsQuietEverywhere)
{
    const ReadoutState state = showAll(allOf(QStringLiteral("UNDEFINE")));
    for (int i = 0; i < kStationCellCount; ++i)
        EXPECT_EQ(state.cells[i].colour, UndefinedColor) << i;
    EXPECT_EQ(state.cells[12].caption, QStringLiteral("静"));
    EXPECT_EQ(state.cells[13].caption, QStringLiteral("静"));
    EXPECT_EQ(state.cells[14].caption, QStringLiteral("寂"));
    for (int i = 12; i < 15; ++i)
        EXPECT_EQ(state.cells[i].colour, QuietColor);
    EXPECT_EQ(state.StatusPhrase, QStringLiteral("静穏状態"));
    EXPECT_EQ(state.windowCaption, QStringLiteral("静穏状態"));
}

TEST(SignalIndicator, EsCautionAndAlertInEitherOrderGiveAlert)
{
    for (const auto& [first, second] : {std::pair{5, 8}, std::pair{8, 5}}) {
        auto names = allOf(QStringLiteral("GREEN"));
        names[first] = QStringLiteral("BLINK-YELLOW");
        names[second] = QStringLiteral("BLINK-RED");
        const ReadoutState state = showAll(names);
        EXPECT_EQ(state.cells[14].caption, QStringLiteral("Es!"));
        EXPECT_EQ(state.cells[14].colour, AlertColor);
        EXPECT_EQ(state.SummaryLevel[2], 10);
        EXPECT_EQ(state.StatusPhrase, QStringLiteral("Ondrel"));
        EXPECT_EQ(state.windowCaption, QStringLiteral("Ondrel"));
    }
}

TEST(SignalIndicator, BlinkRedInFmaxTurnsCellRedButCountsQuiet)
{
    ReadoutState state;
    ShowSignal(state, QStringLiteral("BLINK-RED"), 3);
    EXPECT_EQ(state.cells[3].colour, AlertColor);
    EXPECT_EQ(state.windowCaption, QStringLiteral("Es！"));

    auto names = allOf(QStringLiteral("GREEN"));
    names[3] = QStringLiteral("BLINK-RED");
    state = showAll(names);
    EXPECT_EQ(state.cells[12].caption, QStringLiteral("静"));
    EXPECT_EQ(state.cells[12].colour, QuietColor);
    EXPECT_EQ(state.windowCaption, QStringLiteral("静穏状態"));
}

TEST(SignalIndicator, BlinkRedNInEsCountsQuiet)
{
    auto names = allOf(QStringLiteral("GREEN"));
    names[11] = QStringLiteral("BLINK-RED-N");
    const ReadoutState state = showAll(names);
    EXPECT_EQ(state.cells[11].colour, AlertColor);
    EXPECT_EQ(state.cells[14].caption, QStringLiteral("寂"));
    EXPECT_EQ(state.SummaryLevel[2], 8);
}

TEST(SignalIndicator, AlertThenCautionInOneColumnStaysAlert)
{
    auto names = allOf(QStringLiteral("GREEN"));
    names[1] = QStringLiteral("BLINK-RED-P");
    names[7] = QStringLiteral("BLINK-YELLOW");
    const ReadoutState state = showAll(names);
    EXPECT_EQ(state.cells[13].caption, QStringLiteral("注!"));
    EXPECT_EQ(state.cells[13].colour, AlertColor);
    EXPECT_EQ(state.SummaryLevel[1], 7);
}

TEST(SignalIndicator, CautionAfterQuietRaisesAndQuietAfterCautionKeeps)
{
    auto names = allOf(QStringLiteral("GREEN"));
    names[2] = QStringLiteral("BLINK-YELLOW-N");
    const ReadoutState state = showAll(names);
    EXPECT_EQ(state.cells[14].caption, QStringLiteral("注"));
    EXPECT_EQ(state.cells[14].colour, CautionColor);
    EXPECT_EQ(state.StatusPhrase, QStringLiteral("Es 注意"));
}

TEST(SignalIndicator, UnknownNameCountsQuiet)
{
    auto names = allOf(QStringLiteral("green"));
    const ReadoutState state = showAll(names);
    EXPECT_EQ(state.cells[0].colour, QuietColor); // start-up colour kept
    EXPECT_EQ(state.cells[14].caption, QStringLiteral("寂"));
}

TEST(SignalIndicator, SummaryCellIndexSetsColourOnly)
{
    ReadoutState state;
    ShowSignal(state, QStringLiteral("BLINK-RED-P"), 13);
    EXPECT_EQ(state.cells[13].colour, AlertColor);
    EXPECT_EQ(state.SummaryLevel, (std::array<int, 3>{0, 0, 0}));
    EXPECT_TRUE(state.SummaryMark[1].isEmpty());
}

TEST(SignalIndicator, IndexWithoutLabelChangesNothing)
{
    ReadoutState state;
    ShowSignal(state, QStringLiteral("BLINK-RED"), 15);
    ShowSignal(state, QStringLiteral("BLINK-RED"), -1);
    EXPECT_EQ(state.windowCaption, QStringLiteral("電離層"));
    EXPECT_EQ(state.SummaryLevel, (std::array<int, 3>{0, 0, 0}));
}

TEST(SignalIndicator, SummaryWithoutLevelsKeepsColoursPhraseAndCaption)
{
    ReadoutState state;
    state.StatusPhrase = QStringLiteral("Es 注意");
    state.windowCaption = QStringLiteral("before");
    state.cells[14].colour = CautionColor;
    ShowSummary(state);
    EXPECT_EQ(state.cells[14].colour, CautionColor);
    EXPECT_EQ(state.StatusPhrase, QStringLiteral("Es 注意"));
    EXPECT_EQ(state.windowCaption, QStringLiteral("before"));
}

struct LookCase {
    const char* name;
    ColourValue colour;
    SignalPalette palette;
    ColourValue shown;
    LevelLine line;
};
ONDREL_NAMED_CASE(LookCase)

class CellLookTest : public testing::TestWithParam<LookCase> {};

TEST_P(CellLookTest, PaletteGivesColourAndLine)
{
    const CellLook look = cellLook(GetParam().colour, GetParam().palette);
    EXPECT_EQ(look.colour, GetParam().shown);
    EXPECT_EQ(look.line, GetParam().line);
}

constexpr auto kStandard = SignalPalette::Standard;
constexpr auto kCvd = SignalPalette::Cvd;

INSTANTIATE_TEST_SUITE_P(
    Palettes, CellLookTest,
    testing::Values(
        LookCase{"StandardQuiet", QuietColor, kStandard, QuietColor, LevelLine::None},
        LookCase{"StandardCaution", CautionColor, kStandard, CautionColor, LevelLine::None},
        LookCase{"StandardAlert", AlertColor, kStandard, AlertColor, LevelLine::None},
        LookCase{"StandardUndefined", UndefinedColor, kStandard, UndefinedColor, LevelLine::None},
        LookCase{"CvdQuietSkyBlue", QuietColor, kCvd, 0xE9B456, LevelLine::None},
        LookCase{"CvdCautionYellowDotted", CautionColor, kCvd, 0x42E4F0, LevelLine::Dotted},
        LookCase{"CvdAlertVermillionSolid", AlertColor, kCvd, 0x005ED5, LevelLine::Solid},
        LookCase{"CvdUndefinedGrey", UndefinedColor, kCvd, 0x999999, LevelLine::None},
        LookCase{"CvdOtherColourAsItIs", 0x123456, kCvd, 0x123456, LevelLine::None}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
