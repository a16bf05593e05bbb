// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/status/data_age.h"
#include "core/status/tray_status.h"
#include "support/named_case.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct ToneCase {
    const char* name;
    bool opaque;
    int esLevel;
    EsTone tone;
    ColourValue colour;
    ColourValue cvdColour;
};
ONDREL_NAMED_CASE(ToneCase)

class ToneTest : public testing::TestWithParam<ToneCase> {};

TEST_P(ToneTest, EsSummaryGivesTheTrayColour)
{
    ReadoutState state;
    state.headerOpaque = GetParam().opaque;
    state.SummaryLevel = {2, 5, GetParam().esLevel};
    EXPECT_EQ(esTone(state), GetParam().tone);
    EXPECT_EQ(toneColour(esTone(state)), GetParam().colour);
    EXPECT_EQ(toneColour(esTone(state), SignalPalette::Cvd), GetParam().cvdColour);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, ToneTest,
    testing::Values(
        ToneCase{"BeforeFirstReadout", false, 0, EsTone::Unknown, UndefinedColor, 0x999999},
        ToneCase{"Quiet", false, 8, EsTone::Quiet, QuietColor, 0xE9B456},
        ToneCase{"Caution", false, 9, EsTone::Caution, CautionColor, 0x42E4F0},
        ToneCase{"Alert", false, 10, EsTone::Alert, AlertColor, 0x005ED5},
        ToneCase{"FailedRefreshAfterAlert", true, 10, EsTone::Unknown, UndefinedColor, 0x999999}),
    [](const auto& info) { return std::string(info.param.name); });

ReadoutState filledState()
{
    ReadoutState state;
    for (int i = 0; i < kStationCellCount; ++i)
        state.cells[i].caption = QStringLiteral("%1.%2").arg(i / 3 + 1).arg(i % 3);
    state.SummaryLevel = {2, 5, 9};
    state.cells[kStationCellCount + kEsColumn].colour = CautionColor;
    state.pageArrivedUtc = QDateTime(QDate(2026, 12, 7), QTime(1, 16), Qt::UTC);
    state.StatusPhrase = QStringLiteral("Es 注意");
    state.statusItem = QStringLiteral("2026/12/07 10:15 JST現在");
    return state;
}

TEST(DataAgeText, MinutesThenHoursPastTwoHoursThenDaysPastTwoDays)
{
    const std::pair<qint64, const char*> ages[] = {
        {62, "データは 62 分前のものです"},      {120, "データは 120 分前のものです"},
        {121, "データは 2 時間前のものです"},    {1990, "データは 33 時間前のものです"},
        {2880, "データは 48 時間前のものです"},  {2881, "データは 2 日前のものです"},
        {525600, "データは 365 日前のものです"},
    };
    for (const auto& [minutes, text] : ages)
        EXPECT_EQ(dataAgeText({minutes, true}), QString::fromUtf8(text)) << minutes;
}

TEST(TrayToolTip, ShowsPhraseTimeAndTheTwelveValuesByStation)
{
    const QString tip = trayToolTip(filledState());
    EXPECT_TRUE(tip.contains(QStringLiteral("Ondrel: Es 注意")));
    EXPECT_TRUE(tip.contains(QStringLiteral("2026/12/07 10:15 JST現在")));
    EXPECT_TRUE(tip.contains(QStringLiteral("<th>Fmax</th><th>Fmin</th><th>Es</th>")));
    const QStringList marks{"稚", "国", "鹿", "沖"};
    for (int k = 0; k < kStationCount; ++k) {
        const QString row =
            QStringLiteral("<tr><td>%1</td><td align=\"right\">%2.0</td>"
                           "<td align=\"right\">%2.1</td><td align=\"right\">%2.2</td></tr>")
                .arg(marks[k])
                .arg(k + 1);
        EXPECT_TRUE(tip.contains(row)) << row.toStdString();
    }
}

TEST(TrayToolTip, FailedRefreshKeepsTheLevelAndSaysSo)
{
    ReadoutState state = filledState();
    state.headerOpaque = true;
    state.statusItem = QStringLiteral("応答なし-11");
    state.cells[0].caption = QStringLiteral("<b>");
    const QString tip = trayToolTip(state, DataAge{62, true});
    EXPECT_TRUE(tip.contains(QStringLiteral("Ondrel: Es 注意")));
    EXPECT_TRUE(
        tip.contains(QStringLiteral("応答なし-11 更新できません データは 62 分前のものです")));
    EXPECT_TRUE(tip.contains(QStringLiteral("&lt;b&gt;")));
}

TEST(TrayToolTip, AlertSaysItInWords)
{
    ReadoutState state = filledState();
    state.StatusPhrase = QStringLiteral("Ondrel");
    state.cells[kStationCellCount + kEsColumn].colour = AlertColor;
    EXPECT_TRUE(trayToolTip(state).contains(QStringLiteral("<b>Ondrel: Es 警報</b>")));
    EXPECT_EQ(trayTone(state), EsTone::Alert);
    state.pageArrivedUtc.reset();
    EXPECT_EQ(trayTone(state), EsTone::Unknown) << "before the first page";
}

} // namespace
