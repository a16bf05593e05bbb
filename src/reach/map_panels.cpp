// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/map_panels.h"

#include "reach/band_lines.h"
#include "reach/map_strokes.h"
#include "reach/map_style.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

namespace {

QString mapText(const char* text)
{
    return QCoreApplication::translate("ReachMap", text);
}

// A short line across the sample's box.
std::function<void(QPainter&, const QRectF&)> lineSample(QPen pen)
{
    return [pen](QPainter& p, const QRectF& r) {
        p.setPen(pen);
        p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    };
}

// One short line per band, each as its skip edge is drawn.
void skipSamples(QPainter& p, const QRectF& r, double unit)
{
    for (int b = 0; b < kBandCount; ++b) {
        const double y = r.top() + r.height() * (b + 0.5) / kBandCount;
        p.setPen(skipPen(b, unit));
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
}

// The band whose colour the open area from home shows most: the highest
// band open from it (the shading takes the highest band's colour).
int highestOpenArea(const ReachReport& report)
{
    for (int b = kBandCount - 1; b > 0; --b) {
        if (report.openAreas[b].open)
            return b;
    }
    return 0;
}

// A heard station's mark, filled or hollow, in the 50 MHz colour.
std::function<void(QPainter&, const QRectF&)> markSample(bool hollow, double unit)
{
    return [hollow, unit](QPainter& p, const QRectF& r) {
        const double radius = unit * 0.34;
        p.setPen(QPen(hollow ? bandColour(1) : kMapHalo, hollow ? unit * 0.15 : unit * 0.08));
        p.setBrush(hollow ? QBrush(Qt::NoBrush) : QBrush(bandColour(1)));
        p.drawEllipse(r.center(), radius, radius);
    };
}

// A contact's mark, a filled square in the 50 MHz colour.
std::function<void(QPainter&, const QRectF&)> contactSample(double unit)
{
    return [unit](QPainter& p, const QRectF& r) {
        const double half = unit * 0.34;
        p.setPen(QPen(kMapHalo, unit * 0.08));
        p.setBrush(bandColour(1));
        p.drawRect(QRectF(r.center() - QPointF(half, half), r.center() + QPointF(half, half)));
    };
}

// The line from home and the midpoint's cross on it.
std::function<void(QPainter&, const QRectF&)> midpointSample(double unit)
{
    return [unit](QPainter& p, const QRectF& r) {
        const QPointF m = r.center();
        const double cross = unit * 0.2;
        p.setPen(QPen(bandColour(1), 0));
        p.drawLine(QPointF(r.left(), m.y()), QPointF(r.right(), m.y()));
        p.drawLine(m - QPointF(cross, cross), m + QPointF(cross, cross));
        p.drawLine(m - QPointF(cross, -cross), m + QPointF(cross, -cross));
    };
}

} // namespace

MapPanel::MapPanel(std::vector<Line> lines, double unit) : m_lines(std::move(lines)), m_unit(unit)
{
}

double MapPanel::lineHeight(const Line& line) const
{
    return QFontMetricsF(line.font).height() * 1.15;
}

QSizeF MapPanel::size() const
{
    const double pad = m_unit * 0.6;
    double width = 0, height = 0;
    for (const Line& line : m_lines) {
        const double sample = line.sample ? m_unit * 1.8 : 0;
        width = std::max(width, QFontMetricsF(line.font).horizontalAdvance(line.text) + sample);
        height += lineHeight(line);
    }
    return {width + 2 * pad, height + 2 * pad};
}

void MapPanel::paint(QPainter& painter, QPointF topLeft) const
{
    const double pad = m_unit * 0.6;
    const QRectF box(topLeft, size());
    painter.setPen(QPen(QColor(0x40, 0x4c, 0x58), 1));
    painter.setBrush(QColor(0x06, 0x0b, 0x10, 215));
    painter.drawRoundedRect(box, m_unit * 0.3, m_unit * 0.3);
    double y = box.top() + pad;
    for (const Line& line : m_lines) {
        const QFontMetricsF metrics(line.font);
        const double h = lineHeight(line);
        double x = box.left() + pad;
        if (line.sample) {
            painter.setBrush(Qt::NoBrush);
            line.sample(painter, QRectF(x, y + h * 0.15, m_unit * 1.35, h * 0.7));
            x += m_unit * 1.8;
        }
        painter.setFont(line.font);
        painter.setPen(line.colour);
        painter.drawText(QPointF(x, y + (h - metrics.height()) / 2 + metrics.ascent()), line.text);
        y += h;
    }
}

MapPanel titlePanel(const ReachReport& report, double unit)
{
    const QString time = report.reading.pageTime.trimmed();
    const QFont small = mapFont(unit, 0.8);
    return MapPanel(
        {{mapText(QT_TRANSLATE_NOOP("ReachMap", "Es マップ")) + QStringLiteral("   ") +
              (time.isEmpty() ? mapText(QT_TRANSLATE_NOOP("ReachMap", "ページ時刻なし")) : time),
          mapFont(unit, 1.05, true), kMapText, nullptr},
         {mapText(
              QT_TRANSLATE_NOOP("ReachMap", "各局の上空で測った Es と同じ雲が 1 ホップで運ぶ範囲")),
          small, kMapQuietText, nullptr},
         {mapText(QT_TRANSLATE_NOOP("ReachMap", "予報ではありません。多段ホップは描きません")),
          small, kMapQuietText, nullptr}},
        unit);
}

MapPanel legendPanel(const ReachReport& report, double unit, bool heard, bool contacts)
{
    std::vector<MapPanel::Line> lines;
    const QFont font = mapFont(unit, 0.8);
    const double edge = unit * 0.16;
    for (int b = 0; b < kBandCount; ++b) {
        const bool open = std::any_of(report.stations.begin(), report.stations.end(),
                                      [b](const StationReach& s) { return s.bands[b].open; });
        QString text = QStringLiteral("%1 MHz").arg(kBandsMHz[b]);
        if (!open)
            text += QStringLiteral("  ") + QCoreApplication::translate("Reach", "不通");
        lines.push_back({text, mapFont(unit, 0.8, true), open ? kMapText : kMapQuietText,
                         [b, unit, edge](QPainter& p, const QRectF& r) {
                             QColor fill = bandColour(b);
                             fill.setAlpha(110);
                             p.setPen(skipPen(b, unit));
                             p.setBrush(fill);
                             p.drawRect(r.adjusted(edge, edge, -edge, -edge));
                         }});
    }
    lines.push_back({mapText(QT_TRANSLATE_NOOP("ReachMap", "帯: 局の上空で反射するパスの端")), font,
                     kMapText, nullptr});
    lines.push_back({mapText(QT_TRANSLATE_NOOP("ReachMap", "内側の線: スキップ (最短のパス)")),
                     font, kMapText,
                     [unit](QPainter& p, const QRectF& r) { skipSamples(p, r, unit); }});
    lines.push_back({mapText(QT_TRANSLATE_NOOP("ReachMap", "外側の破線: 最長の 1 ホップ %1 km"))
                         .arg(kmText(static_cast<int>(std::lround(maxHopKm())))),
                     font, kMapText, lineSample(hopPen(unit))});
    if (report.home)
        lines.push_back(
            {mapText(QT_TRANSLATE_NOOP("ReachMap", "濃い塗り: 自局からのパスが開く範囲")), font,
             kMapText, [band = highestOpenArea(report)](QPainter& p, const QRectF& r) {
                 p.save();
                 p.setOpacity(kOpenAreaOpacity);
                 p.fillRect(r, bandColour(band));
                 p.restore();
             }});
    if (heard) {
        lines.push_back({mapText(QT_TRANSLATE_NOOP("ReachMap", "受信した局 (古いほど薄い)")), font,
                         kMapText, markSample(false, unit)});
        lines.push_back(
            {mapText(QT_TRANSLATE_NOOP("ReachMap", "位置がおおよその局 (コールの地域から)")), font,
             kMapText, markSample(true, unit)});
    }
    if (contacts)
        lines.push_back({mapText(QT_TRANSLATE_NOOP("ReachMap", "交信した局 (ログから)")), font,
                         kMapText, contactSample(unit)});
    if (heard || contacts)
        lines.push_back({mapText(QT_TRANSLATE_NOOP("ReachMap", "自局からの線と反射点 (中点)")),
                         font, kMapText, midpointSample(unit)});
    return MapPanel(std::move(lines), unit);
}
