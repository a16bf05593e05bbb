// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/chart_data.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 kStart = 1796000400; // a whole hour
constexpr qint64 kStep = 15 * 60;

// One Es record of station `k` at `t`; `es` empty for a missing value.
PageRecord esRecord(int k, qint64 t, std::optional<double> es,
                    const QString& signal = QStringLiteral("GREEN"))
{
    PageRecord r;
    r.station = QLatin1StringView(kStationCodes[k]);
    r.pageTimeUtc = QDateTime::fromSecsSinceEpoch(t, Qt::UTC);
    r.fetchedUtc = *r.pageTimeUtc;
    r.values = {6.0, 2.0, es};
    r.texts = {QStringLiteral("6.0"), QStringLiteral("2.0"),
               es ? QString::number(*es) : QStringLiteral("?")};
    r.signalNames = {signal, signal, signal};
    return r;
}

// Segment lengths of station 0's Es series for records every `kStep`
// at the listed steps, with no value at the `missing` ones.
struct GapCase {
    const char* name;
    std::vector<int> steps;   // step numbers that have a record
    std::vector<int> missing; // of those, the ones with no value
    std::vector<size_t> segments;
};
ONDREL_NAMED_CASE(GapCase)

class ChartGapTest : public testing::TestWithParam<GapCase> {};

TEST_P(ChartGapTest, SplitsSegmentsAtGaps)
{
    std::vector<PageRecord> records;
    for (int n : GetParam().steps) {
        const bool missing = std::count(GetParam().missing.begin(), GetParam().missing.end(), n);
        records.push_back(
            esRecord(0, kStart + n * kStep, missing ? std::nullopt : std::optional<double>(4.0)));
    }
    const ChartData data = prepareChart(records, ChartView::Es, kStart, kStart + 86400, 10);
    std::vector<size_t> lengths;
    for (const ChartSegment& segment : data.series.at(0).segments)
        lengths.push_back(segment.size());
    EXPECT_EQ(lengths, GetParam().segments);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChartGapTest,
    testing::Values(GapCase{"Unbroken", {0, 1, 2, 3}, {}, {4}},
                    GapCase{"MissingValue", {0, 1, 2, 3, 4}, {2}, {2, 2}},
                    GapCase{"OnePageLostStaysJoined", {0, 1, 3, 4, 5}, {}, {5}},
                    GapCase{"ThreePagesLostIsAGap", {0, 1, 2, 6, 7, 8}, {}, {3, 3}},
                    GapCase{"LoneValueIsASegmentOfOne", {0, 1, 2, 3, 4}, {1, 3}, {1, 1, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GapLimit, TwoAndAHalfUsualStepsButNeverUnderTwentyMinutes)
{
    EXPECT_EQ(gapLimit({0, 900, 1800, 2700, 9000}), 2250);
    EXPECT_EQ(gapLimit({0, 60, 120, 180}), 1200);
    EXPECT_EQ(gapLimit({0}), 2250); // too few to tell: the page's 15 minutes
}

TEST(PrepareChart, KeepsTheRangeAndThePointsSignals)
{
    const std::vector<PageRecord> records = {
        esRecord(1, kStart - kStep, 9.9), esRecord(1, kStart, 5.0),
        esRecord(1, kStart + kStep, 8.6, QStringLiteral("BLINK-YELLOW-P")),
        esRecord(1, kStart + 2 * kStep, 11.0, QStringLiteral("BLINK-RED")),
        esRecord(1, kStart + 3 * kStep, 30.0)};
    const ChartData data = prepareChart(records, ChartView::Es, kStart, kStart + 2 * kStep, 11);
    ASSERT_EQ(data.series.size(), 4u);
    const ChartSeries& kokubunji = data.series[1];
    EXPECT_EQ(kokubunji.station, 1);
    ASSERT_EQ(kokubunji.segments.size(), 1u);
    const ChartSegment& points = kokubunji.segments[0];
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].t, kStart);
    EXPECT_EQ(points[0].record, 1);
    EXPECT_EQ(points[1].signal, SignalLevel::Caution);
    EXPECT_EQ(points[2].signal, SignalLevel::Alert);
    EXPECT_EQ(data.top, 12.0); // the least top rounded up, 30 MHz out of range
}

TEST(PrepareChart, FmaxFminViewHasTwoSeriesPerStation)
{
    const ChartData data =
        prepareChart({esRecord(3, kStart, 4.0)}, ChartView::FmaxFmin, kStart, kStart + 3600, 10);
    ASSERT_EQ(data.series.size(), 8u);
    EXPECT_EQ(data.series[6].column, FmaxColumn);
    EXPECT_EQ(data.series[7].column, FminColumn);
    EXPECT_EQ(data.series[6].segments.at(0).at(0).value, 6.0);
}

TEST(SignalLevel, ByTheImageName)
{
    EXPECT_EQ(signalLevel(QStringLiteral("GREEN")), SignalLevel::Quiet);
    EXPECT_EQ(signalLevel(QStringLiteral("BLINK-YELLOW-P")), SignalLevel::Caution);
    EXPECT_EQ(signalLevel(QStringLiteral("blink-red")), SignalLevel::Alert);
    EXPECT_EQ(signalLevel(QStringLiteral("UNDEFINE")), SignalLevel::Undefined);
    EXPECT_EQ(signalLevel(QString()), SignalLevel::Undefined);
}

TEST(ChartScale, MapsCornersAndFindsTheNearestPoint)
{
    const ChartScale scale{QRectF(10, 20, 400, 200), kStart, kStart + 4000, 20};
    EXPECT_EQ(scale.map(kStart, 0), QPointF(10, 220));
    EXPECT_EQ(scale.map(kStart + 4000, 20), QPointF(410, 20));
    const ChartData data =
        prepareChart({esRecord(0, kStart + 1000, 10.0)}, ChartView::Es, kStart, kStart + 4000, 10);
    ChartScale same = scale;
    same.top = data.top;
    const QPointF at = same.map(kStart + 1000, 10.0);
    ASSERT_NE(nearestPoint(data, same, at + QPointF(3, 3), 8), nullptr);
    EXPECT_EQ(nearestPoint(data, same, at + QPointF(3, 3), 8)->value, 10.0);
    EXPECT_EQ(nearestPoint(data, same, at + QPointF(9, 0), 8), nullptr);
}

TEST(TimeTicks, FallOnLocalHoursAndMidnights)
{
    const int jst = 9 * 3600;
    const std::vector<qint64> hours = timeTicks(kStart + 600, kStart + 6 * 3600, jst, 8);
    ASSERT_FALSE(hours.empty());
    EXPECT_EQ(hours.front(), kStart + 3600);
    EXPECT_EQ(hours[1] - hours[0], 3600);
    const std::vector<qint64> days = timeTicks(kStart, kStart + 7 * 86400, jst, 8);
    ASSERT_GE(days.size(), 6u);
    for (qint64 t : days)
        EXPECT_EQ((t + jst) % 86400, 0);
}

} // namespace
