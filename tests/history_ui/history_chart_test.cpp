// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_ui/history_chart.h"

#include "reach/map_strokes.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

constexpr qint64 kFrom = 1781400600; // 2026-06-14 01:30 UTC, a quarter hour's start
constexpr qint64 kQuarter = 15 * 60;

struct StripCase {
    const char* name;
    int band;    // whose strip is looked at
    int quarter; // which quarter hour after kFrom
    bool bandColoured;
};

class HistoryChartStripTest : public testing::TestWithParam<StripCase> {};

TEST_P(HistoryChartStripTest, ASlotWithAContactIsMarkedInItsBandsStrip)
{
    // Two contacts on 50 MHz in the fifth quarter hour, one on 28 MHz in the ninth.
    BandActivity activity;
    activity.contacts[1][kFrom + 4 * kQuarter] = 2;
    activity.contacts[0][kFrom + 8 * kQuarter] = 1;
    HistoryChart chart;
    chart.resize(900, 480);
    chart.setData({}, ChartData{kFrom, kFrom + 24 * kQuarter, 12, {}}, ChartView::Es);
    chart.setActivity(activity);
    QImage image(chart.size(), QImage::Format_RGB32);
    chart.render(&image);

    const StripCase& c = GetParam();
    const ChartScale s = chart.scale();
    const QRectF strip = chart.stripRect(c.band);
    ASSERT_FALSE(strip.isEmpty());
    const qint64 middle = kFrom + c.quarter * kQuarter + kQuarter / 2;
    const QPoint pixel(static_cast<int>(s.map(middle, 0).x()),
                       static_cast<int>(strip.bottom()) - 2);
    EXPECT_EQ(image.pixelColor(pixel) == bandColour(c.band), c.bandColoured)
        << image.pixelColor(pixel).name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Slots, HistoryChartStripTest,
                         testing::Values(StripCase{"FiftyWithContacts", 1, 4, true},
                                         StripCase{"FiftyEmptySlot", 1, 5, false},
                                         StripCase{"TwentyEightWithAContact", 0, 8, true},
                                         StripCase{"TwentyEightWhenFiftyWasBusy", 0, 4, false},
                                         StripCase{"TwoMetresQuiet", 2, 4, false}),
                         [](const auto& info) { return info.param.name; });

TEST(HistoryChartTest, NoStripsWithoutALog)
{
    HistoryChart chart;
    chart.resize(900, 480);
    const double plotBottom = chart.scale().plot.bottom();
    EXPECT_TRUE(chart.stripRect(1).isEmpty());
    chart.setActivity(BandActivity{});
    EXPECT_LT(chart.scale().plot.bottom(), plotBottom);
}

} // namespace
