// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/page_record.h"

#include <QPointF>
#include <QRectF>

#include <array>
#include <vector>

// What the history chart draws, prepared without widgets. Times are
// seconds since the epoch, UTC.

enum class ChartSpan { Hours6, Hours24, Days7, Days30 };
inline constexpr std::array<ChartSpan, 4> kChartSpans = {ChartSpan::Hours6, ChartSpan::Hours24,
                                                         ChartSpan::Days7, ChartSpan::Days30};
qint64 spanSeconds(ChartSpan span);

enum class ChartView { Es, FmaxFmin };

enum class SignalLevel { Quiet, Caution, Alert, Undefined };
// GREEN, BLINK-YELLOW*, BLINK-RED*; anything else is undefined.
SignalLevel signalLevel(const QString& name);

struct ChartPoint {
    qint64 t = 0;
    double value = 0;
    SignalLevel signal = SignalLevel::Undefined;
    int record = -1; // index into the records the chart was prepared from
};
using ChartSegment = std::vector<ChartPoint>;

// One station's reading; a line is drawn within a segment only.
struct ChartSeries {
    int station = 0;
    ReadingColumn column = EsColumn;
    std::vector<ChartSegment> segments;
};

struct ChartData {
    qint64 from = 0;
    qint64 to = 0;
    double top = 0; // the value axis' upper end, MHz
    std::vector<ChartSeries> series;
};

// Consecutive points further apart than this are not joined: 2.5 times
// the usual (median) step, but never under 20 minutes so that a few
// quick reloads do not make the normal step look like a gap.
qint64 gapLimit(std::vector<qint64> instants);

// The records' series within [from, to], split at missing values and gaps;
// the value axis reaches at least `leastTop` MHz.
ChartData prepareChart(const std::vector<PageRecord>& records, ChartView view, qint64 from,
                       qint64 to, double leastTop);

// The value axis' upper end: a round number above the data, at least `floor`.
double niceTop(double maxValue, double floor);
std::vector<double> valueTicks(double top);

// Tick instants between from and to, on round hours or days of the time
// zone `offsetSeconds` ahead of UTC, about `wanted` of them.
std::vector<qint64> timeTicks(qint64 from, qint64 to, int offsetSeconds, int wanted = 8);

// Maps times and values into the plot rectangle.
struct ChartScale {
    QRectF plot;
    qint64 from = 0;
    qint64 to = 1;
    double top = 1;

    QPointF map(qint64 t, double value) const;
};

// The point nearest to `pos` within `radius` pixels, or null.
const ChartPoint* nearestPoint(const ChartData& data, const ChartScale& scale, QPointF pos,
                               double radius);
