// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/chart_data.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 kMinute = 60;
constexpr qint64 kHour = 3600;
constexpr qint64 kDay = 24 * kHour;
constexpr qint64 kUsualStep = 15 * kMinute; // the provider's page cadence
constexpr qint64 kMinGap = 20 * kMinute;

std::vector<ReadingColumn> columnsOf(ChartView view)
{
    if (view == ChartView::Es)
        return {EsColumn};
    return {FmaxColumn, FminColumn};
}

} // namespace

qint64 spanSeconds(ChartSpan span)
{
    switch (span) {
    case ChartSpan::Hours6:
        return 6 * kHour;
    case ChartSpan::Hours24:
        return kDay;
    case ChartSpan::Days7:
        return 7 * kDay;
    case ChartSpan::Days30:
        return 30 * kDay;
    }
    return kDay;
}

SignalLevel signalLevel(const QString& name)
{
    const QString upper = name.trimmed().toUpper();
    if (upper == u"GREEN")
        return SignalLevel::Quiet;
    if (upper.startsWith(u"BLINK-YELLOW"))
        return SignalLevel::Caution;
    if (upper.startsWith(u"BLINK-RED"))
        return SignalLevel::Alert;
    return SignalLevel::Undefined;
}

qint64 gapLimit(std::vector<qint64> instants)
{
    std::sort(instants.begin(), instants.end());
    std::vector<qint64> steps;
    for (size_t i = 1; i < instants.size(); ++i) {
        if (instants[i] > instants[i - 1])
            steps.push_back(instants[i] - instants[i - 1]);
    }
    qint64 usual = kUsualStep;
    if (!steps.empty()) {
        std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
        usual = steps[steps.size() / 2];
    }
    return std::max(usual * 5 / 2, kMinGap);
}

namespace {

// One station's records within [from, to]: where they are and their times.
struct StationRecords {
    std::vector<int> indices;
    std::vector<qint64> instants;
};

StationRecords recordsWithin(const std::vector<PageRecord>& records, int station, qint64 from,
                             qint64 to)
{
    const QString code = QLatin1StringView(kStationCodes[station]);
    StationRecords picked;
    for (int i = 0; i < static_cast<int>(records.size()); ++i) {
        const qint64 t = records[i].instant().toSecsSinceEpoch();
        if (records[i].station == code && t >= from && t <= to) {
            picked.indices.push_back(i);
            picked.instants.push_back(t);
        }
    }
    return picked;
}

// One column of a station as lines: a missing value or a step longer than
// `gap` ends a segment.
ChartSeries seriesOf(const std::vector<PageRecord>& records, const StationRecords& picked,
                     int station, ReadingColumn column, qint64 gap)
{
    ChartSeries series{station, column, {}};
    ChartSegment current;
    auto close = [&] {
        if (!current.empty())
            series.segments.push_back(std::move(current));
        current.clear();
    };
    qint64 previous = 0;
    for (size_t n = 0; n < picked.indices.size(); ++n) {
        const PageRecord& r = records[picked.indices[n]];
        const qint64 t = picked.instants[n];
        if (!current.empty() && t - previous > gap)
            close();
        previous = t;
        if (!r.values[column]) {
            close();
            continue;
        }
        current.push_back(
            {t, *r.values[column], signalLevel(r.signalNames[column]), picked.indices[n]});
    }
    close();
    return series;
}

double highestValue(const std::vector<ChartSeries>& series)
{
    double highest = 0;
    for (const ChartSeries& one : series) {
        for (const ChartSegment& segment : one.segments) {
            for (const ChartPoint& point : segment)
                highest = std::max(highest, point.value);
        }
    }
    return highest;
}

} // namespace

ChartData prepareChart(const std::vector<PageRecord>& records, ChartView view, qint64 from,
                       qint64 to, double leastTop)
{
    ChartData data;
    data.from = from;
    data.to = to;
    for (int station = 0; station < static_cast<int>(kStationCodes.size()); ++station) {
        const StationRecords picked = recordsWithin(records, station, from, to);
        const qint64 gap = gapLimit(picked.instants);
        for (ReadingColumn column : columnsOf(view))
            data.series.push_back(seriesOf(records, picked, station, column, gap));
    }
    data.top = niceTop(highestValue(data.series), leastTop);
    return data;
}

double niceTop(double maxValue, double floor)
{
    const double wanted = std::max(maxValue * 1.05, floor);
    const double step = wanted > 20 ? 5 : 2;
    return std::ceil(wanted / step) * step;
}

std::vector<double> valueTicks(double top)
{
    const double step = top > 20 ? 5 : 2;
    std::vector<double> ticks;
    for (double v = 0; v <= top + 1e-9; v += step)
        ticks.push_back(v);
    return ticks;
}

std::vector<qint64> timeTicks(qint64 from, qint64 to, int offsetSeconds, int wanted)
{
    static constexpr qint64 kSteps[] = {kHour, 2 * kHour, 3 * kHour, 6 * kHour, 12 * kHour,
                                        kDay,  2 * kDay,  5 * kDay,  7 * kDay,  14 * kDay};
    std::vector<qint64> ticks;
    if (to <= from || wanted < 1)
        return ticks;
    qint64 step = kSteps[std::size(kSteps) - 1];
    for (qint64 candidate : kSteps) {
        if ((to - from) / candidate <= wanted) {
            step = candidate;
            break;
        }
    }
    // Round in local time so that ticks fall on local midnights and hours.
    const qint64 localFrom = from + offsetSeconds;
    qint64 t = (localFrom + step - 1) / step * step - offsetSeconds;
    for (; t <= to; t += step)
        ticks.push_back(t);
    return ticks;
}

QPointF ChartScale::map(qint64 t, double value) const
{
    const double span = static_cast<double>(std::max<qint64>(to - from, 1));
    const double x = plot.left() + plot.width() * static_cast<double>(t - from) / span;
    const double y = plot.bottom() - plot.height() * value / (top > 0 ? top : 1);
    return {x, y};
}

const ChartPoint* nearestPoint(const ChartData& data, const ChartScale& scale, QPointF pos,
                               double radius)
{
    const ChartPoint* best = nullptr;
    double bestDistance = radius * radius;
    for (const ChartSeries& series : data.series) {
        for (const ChartSegment& segment : series.segments) {
            for (const ChartPoint& point : segment) {
                const QPointF d = scale.map(point.t, point.value) - pos;
                const double distance = d.x() * d.x() + d.y() * d.y();
                if (distance <= bestDistance) {
                    bestDistance = distance;
                    best = &point;
                }
            }
        }
    }
    return best;
}
