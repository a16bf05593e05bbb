// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_ui/history_chart.h"

#include "core/page/station_names.h"
#include "heard/model_check.h"
#include "reach/band_lines.h"
#include "reach/map_strokes.h"
#include "reach/mirror_model.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimeZone>
#include <QToolTip>

#include <cmath>

namespace {

constexpr int kJstOffset = 9 * 3600;
constexpr double kLegendHeight = 46;
constexpr double kLeftMargin = 46;
constexpr double kRightMargin = 64; // room for the guide lines' labels
constexpr double kBottomMargin = 40;
constexpr double kHoverRadius = 8;
constexpr double kStripGap = 6; // between the plot and the strips
constexpr double kStripHeight = 16;
constexpr qint64 kSlotSeconds = kSlotMinutes * 60;

const QColor kBackground(0x14, 0x18, 0x1f);
const QColor kPlotBackground(0x1b, 0x21, 0x2b);
const QColor kGrid(0x33, 0x3b, 0x48);
const QColor kText(0xd8, 0xdc, 0xe2);

const char* const kReadingLabels[] = {"Fmax", "Fmin", "Es"};
// The bands the guide lines stand for: 28 and 50 MHz.
constexpr int kGuideBandCount = 2;
constexpr double kFmaxFminTop = 10;

QString valueText(const PageRecord& r, int column)
{
    const QString label = QLatin1StringView(kReadingLabels[column]);
    const QString signal = HistoryChart::signalWord(signalLevel(r.signalNames[column]));
    return QStringLiteral("%1 %2 MHz (%3)").arg(label, r.texts[column].trimmed(), signal);
}

} // namespace

HistoryChart::HistoryChart(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setMinimumSize(480, 280);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor HistoryChart::stationColour(int station)
{
    static const QColor colours[] = {QColor(0x4f, 0x9d, 0xff), QColor(0xe0, 0x7b, 0xff),
                                     QColor(0x2e, 0xd3, 0xc4), QColor(0xf2, 0xf2, 0xf2)};
    return colours[std::clamp(station, 0, 3)];
}

QColor HistoryChart::signalColour(SignalLevel level)
{
    switch (level) {
    case SignalLevel::Quiet:
        return QColor(0x3c, 0xd2, 0x3c);
    case SignalLevel::Caution:
        return QColor(0xff, 0xdd, 0x00);
    case SignalLevel::Alert:
        return QColor(0xff, 0x33, 0x33);
    case SignalLevel::Undefined:
        break;
    }
    return QColor(0x8a, 0x8a, 0x8a);
}

QString HistoryChart::signalWord(SignalLevel level)
{
    switch (level) {
    case SignalLevel::Quiet:
        return tr("通常");
    case SignalLevel::Caution:
        return tr("注意");
    case SignalLevel::Alert:
        return tr("警報");
    case SignalLevel::Undefined:
        break;
    }
    return tr("不明");
}

QString HistoryChart::jstText(qint64 t, const QString& format)
{
    return QDateTime::fromSecsSinceEpoch(t, QTimeZone(kJstOffset)).toString(format);
}

double HistoryChart::leastTop(ChartView view)
{
    return view == ChartView::Es ? openingEs(kBandsMHz[kGuideBandCount - 1]) + 2 : kFmaxFminTop;
}

QString HistoryChart::stationName(int station)
{
    return shownStationName(std::clamp(station, 0, kStationCount - 1));
}

void HistoryChart::setData(std::vector<PageRecord> records, ChartData data, ChartView view)
{
    m_records = std::move(records);
    m_data = std::move(data);
    m_view = view;
    update();
}

void HistoryChart::setActivity(std::optional<BandActivity> activity)
{
    m_activity = std::move(activity);
    update();
}

double HistoryChart::stripsHeight() const
{
    return m_activity ? kStripGap + kBandCount * kStripHeight : 0;
}

QRectF HistoryChart::stripRect(int band) const
{
    if (!m_activity)
        return {};
    const QRectF plot = scale().plot;
    return QRectF(plot.left(), plot.bottom() + kStripGap + band * kStripHeight, plot.width(),
                  kStripHeight);
}

ChartScale HistoryChart::scale() const
{
    ChartScale s;
    s.plot = QRectF(kLeftMargin, kLegendHeight, width() - kLeftMargin - kRightMargin,
                    height() - kLegendHeight - kBottomMargin - stripsHeight());
    s.from = m_data.from;
    s.to = std::max(m_data.to, m_data.from + 1);
    s.top = m_data.top > 0 ? m_data.top : 1;
    return s;
}

QString HistoryChart::describeSlotAt(QPointF pos) const
{
    for (int band = 0; band < kBandCount; ++band) {
        if (!stripRect(band).contains(pos))
            continue;
        const ChartScale s = scale();
        const qint64 t = s.from + static_cast<qint64>((pos.x() - s.plot.left()) / s.plot.width() *
                                                      static_cast<double>(s.to - s.from));
        const qint64 slot = slotStart(t);
        const auto countIn = [&](const SlotCounts& counts) {
            const auto found = counts[band].find(slot);
            return found == counts[band].end() ? 0 : found->second;
        };
        return tr("%1 MHz %2–%3 JST: 交信 %4")
            .arg(kBandsMHz[band])
            .arg(jstText(slot, QStringLiteral("MM/dd HH:mm")),
                 jstText(slot + kSlotSeconds, QStringLiteral("HH:mm")))
            .arg(countIn(m_activity->contacts));
    }
    return {};
}

QString HistoryChart::describeAt(QPointF pos) const
{
    if (m_activity && pos.y() > scale().plot.bottom())
        return describeSlotAt(pos);
    const ChartPoint* point = nearestPoint(m_data, scale(), pos, kHoverRadius);
    if (!point || point->record < 0 || point->record >= static_cast<int>(m_records.size()))
        return {};
    const PageRecord& r = m_records[point->record];
    const int station = stationIndex(r.station);
    QStringList lines{QStringLiteral("%1 (%2)").arg(stationName(station), r.station),
                      r.pageTime.isEmpty()
                          ? jstText(point->t, QStringLiteral("yyyy/MM/dd HH:mm 'JST'"))
                          : r.pageTime};
    for (int column : {EsColumn, FmaxColumn, FminColumn})
        lines << valueText(r, column);
    return lines.join(u'\n');
}

bool HistoryChart::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(e);
        const QString text = describeAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(e);
}

void HistoryChart::mouseMoveEvent(QMouseEvent* event)
{
    // A tooltip that is up follows the pointer from point to point.
    if (QToolTip::isVisible()) {
        const QString text = describeAt(event->position());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(event->globalPosition().toPoint(), text, this);
    }
    QWidget::mouseMoveEvent(event);
}

void HistoryChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    const ChartScale s = scale();
    p.fillRect(s.plot, kPlotBackground);
    paintAxes(p, s);
    if (m_view == ChartView::Es)
        paintGuides(p, s);
    p.setRenderHint(QPainter::Antialiasing);
    paintSeries(p, s);
    if (m_activity)
        paintStrips(p, s);
    paintLegend(p);
    const bool empty = std::all_of(m_data.series.begin(), m_data.series.end(),
                                   [](const ChartSeries& c) { return c.segments.empty(); });
    if (empty) {
        p.setPen(kText);
        p.drawText(s.plot, Qt::AlignCenter, tr("この期間の記録はありません"));
    }
}

void HistoryChart::paintAxes(QPainter& p, const ChartScale& s) const
{
    const QFontMetricsF fm(font());
    p.setPen(QPen(kGrid, 1));
    for (double v : valueTicks(s.top)) {
        const double y = s.map(s.from, v).y();
        p.setPen(QPen(kGrid, 1));
        p.drawLine(QPointF(s.plot.left(), y), QPointF(s.plot.right(), y));
        p.setPen(kText);
        p.drawText(QRectF(0, y - fm.height() / 2, kLeftMargin - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
    const std::vector<qint64> ticks =
        timeTicks(s.from, s.to, kJstOffset, std::max(2, static_cast<int>(s.plot.width() / 90)));
    const bool daily = ticks.size() >= 2 && ticks[1] - ticks[0] >= 24 * 3600;
    const double labelsTop = s.plot.bottom() + stripsHeight() + 4;
    for (qint64 t : ticks) {
        const double x = s.map(t, 0).x();
        p.setPen(QPen(kGrid, 1));
        p.drawLine(QPointF(x, s.plot.top()), QPointF(x, labelsTop - 4));
        const bool midnight = (t + kJstOffset) % (24 * 3600) == 0;
        const QString label = daily || midnight ? jstText(t, QStringLiteral("MM/dd"))
                                                : jstText(t, QStringLiteral("HH:mm"));
        p.setPen(kText);
        p.drawText(QRectF(x - 40, labelsTop, 80, fm.height()), Qt::AlignHCenter, label);
    }
    p.drawText(QRectF(0, labelsTop + fm.height(), width() - 8, fm.height()), Qt::AlignRight,
               QStringLiteral("JST"));
    p.save();
    p.translate(12, s.plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-60, -fm.height(), 120, fm.height()), Qt::AlignCenter, QStringLiteral("MHz"));
    p.restore();
    p.setPen(QPen(kGrid, 1));
    p.drawRect(s.plot);
}

void HistoryChart::paintGuides(QPainter& p, const ChartScale& s) const
{
    for (int b = 0; b < kGuideBandCount; ++b) {
        const double es = openingEs(kBandsMHz[b]);
        const double y = s.map(s.from, es).y();
        p.setPen(QPen(bandColour(b), 1.2, Qt::DashLine));
        p.drawLine(QPointF(s.plot.left(), y), QPointF(s.plot.right(), y));
        p.drawText(QRectF(s.plot.right() + 4, y - 16, kRightMargin - 6, 32),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1 MHz\n%2").arg(kBandsMHz[b]).arg(es, 0, 'f', 2));
    }
}

void HistoryChart::paintSeries(QPainter& p, const ChartScale& s) const
{
    // A month of points would hide the lines: they shrink as they crowd,
    // quiet ones most, so that the cautions and alerts stand out.
    const double span = static_cast<double>(s.to - s.from);
    const double radius = span > 8 * 86400 ? 1.6 : span > 2 * 86400 ? 2.2 : 3.0;
    const double quietRadius = span > 2 * 86400 ? radius * 0.6 : radius;
    p.save();
    p.setClipRect(s.plot.adjusted(-radius, -radius, radius, radius));
    for (const ChartSeries& series : m_data.series) {
        QPen pen(stationColour(series.station), 1.6);
        if (series.column == FminColumn)
            pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        for (const ChartSegment& segment : series.segments) {
            if (segment.size() < 2)
                continue;
            QPolygonF line;
            line.reserve(static_cast<qsizetype>(segment.size()));
            for (const ChartPoint& point : segment)
                line << s.map(point.t, point.value);
            p.drawPolyline(line);
        }
    }
    p.setPen(QPen(QColor(0, 0, 0, 160), 0.6));
    for (const ChartSeries& series : m_data.series) {
        for (const ChartSegment& segment : series.segments) {
            for (const ChartPoint& point : segment) {
                const bool quiet =
                    point.signal == SignalLevel::Quiet || point.signal == SignalLevel::Undefined;
                const double r = quiet ? quietRadius : radius;
                p.setBrush(signalColour(point.signal));
                p.drawEllipse(s.map(point.t, point.value), r, r);
            }
        }
    }
    p.restore();
}

void HistoryChart::paintStrips(QPainter& p, const ChartScale& s) const
{
    // Bars grow with the count, up to the busiest slot of any band, and
    // never so low that one contact is lost.
    int most = 1;
    for (const SlotCounts* counts : {&m_activity->contacts, &m_activity->decodes})
        for (const auto& band : *counts)
            for (const auto& [slot, count] : band)
                most = std::max(most, count);
    const QFontMetricsF fm(font());
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int band = 0; band < kBandCount; ++band) {
        const QRectF row = stripRect(band);
        p.fillRect(row.adjusted(0, 1, 0, 0), kPlotBackground);
        p.setPen(bandColour(band));
        p.drawText(QRectF(row.right() + 4, row.top(), kRightMargin - 6, row.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("%1 MHz").arg(kBandsMHz[band]));
        p.setClipRect(row);
        const auto paintBars = [&](const SlotCounts& counts, const QColor& colour) {
            for (const auto& [slot, count] : counts[band]) {
                const double left = s.map(slot, 0).x();
                const double width = std::max(2.0, s.map(slot + kSlotSeconds, 0).x() - left - 1);
                const double height = std::max(3.0, (row.height() - 2) * count / most);
                p.fillRect(QRectF(left, row.bottom() - height, width, height), colour);
            }
        };
        QColor faint = bandColour(band);
        faint.setAlpha(90);
        paintBars(m_activity->decodes, faint);
        paintBars(m_activity->contacts, bandColour(band));
        p.setClipping(false);
    }
    p.setPen(kText);
    p.drawText(QRectF(0, stripRect(0).top(), kLeftMargin - 6, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, tr("交信"));
    p.restore();
}

void HistoryChart::paintLegend(QPainter& p) const
{
    const QFontMetricsF fm(font());
    double x = kLeftMargin;
    const double y1 = 6 + fm.ascent();
    p.setPen(kText);
    for (int k = 0; k < 4; ++k) {
        p.setPen(QPen(stationColour(k), 3));
        p.drawLine(QPointF(x, y1 - fm.ascent() / 3), QPointF(x + 18, y1 - fm.ascent() / 3));
        p.setPen(kText);
        p.drawText(QPointF(x + 22, y1), stationName(k));
        x += 30 + fm.horizontalAdvance(stationName(k));
    }
    if (m_view == ChartView::FmaxFmin) {
        const QString lines = tr("実線 Fmax  破線 Fmin");
        p.drawText(QPointF(x + 6, y1), lines);
        x += 12 + fm.horizontalAdvance(lines);
    }
    x += 12;
    p.setRenderHint(QPainter::Antialiasing);
    for (SignalLevel level :
         {SignalLevel::Quiet, SignalLevel::Caution, SignalLevel::Alert, SignalLevel::Undefined}) {
        const QString word = signalWord(level);
        p.setPen(Qt::NoPen);
        p.setBrush(signalColour(level));
        p.drawEllipse(QPointF(x + 5, y1 - fm.ascent() / 3), 4.5, 4.5);
        p.setPen(kText);
        p.drawText(QPointF(x + 13, y1), word);
        x += 22 + fm.horizontalAdvance(word);
    }
    if (m_view == ChartView::Es) {
        p.setPen(kText);
        p.drawText(QPointF(kLeftMargin, y1 + fm.height() + 4),
                   tr("破線: 最長の 1 ホップ (%1 km) で 28 MHz / 50 MHz が開く Es "
                      "(薄い鏡のモデル)")
                       .arg(kmText(static_cast<int>(std::lround(maxHopKm())))));
    }
}
