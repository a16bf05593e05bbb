// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/reach_map.h"

#include "core/page/signal_indicator.h"
#include "core/page/station_names.h"
#include "reach/coastline.h"
#include "reach/heard_marks.h"
#include "reach/ionosondes.h"
#include "reach/map_labels.h"
#include "reach/map_panels.h"
#include "reach/map_projection.h"
#include "reach/map_strokes.h"
#include "reach/map_style.h"
#include "reach/open_area_shading.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

const QColor kSea(0x0e, 0x1a, 0x26);
const QColor kLand(0x2c, 0x36, 0x31);
const QColor kShore(0x86, 0x96, 0x90);
const QColor kGraticule(0x1d, 0x2e, 0x3e);

constexpr int kCircleSteps = 144;
constexpr double kGraticuleStep = 5;
constexpr double kShadeScale = 3;

// Where each station's name goes first, away from its coast.
constexpr std::array<LabelSide, kStationCount> kStationLabelSides = {
    LabelSide::Right, LabelSide::Right, LabelSide::Left, LabelSide::Left};

// What the parts of the drawing share. Sizes follow `unit`, the text
// height in pixels, which follows the map's size.
struct Canvas {
    QPainter& p;
    QRectF area;
    MapProjection projection;
    double unit;
};

QPolygonF geodesicCircle(const Canvas& c, GeoPoint centre, double km)
{
    QPolygonF ring;
    ring.reserve(kCircleSteps);
    for (int i = 0; i < kCircleSteps; ++i)
        ring << c.projection.map(destination(centre, 360.0 * i / kCircleSteps, km));
    return ring;
}

QPolygonF projected(const Canvas& c, const std::vector<GeoPoint>& points)
{
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(points.size()));
    for (const GeoPoint& point : points)
        line << c.projection.map(point);
    return line;
}

void paintGeography(const Canvas& c)
{
    c.p.fillRect(c.area, kSea);
    const Coastline& coast = coastline();
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(kLand);
    for (const std::vector<GeoPoint>& ring : coast.land)
        c.p.drawPolygon(projected(c, ring));
    c.p.setBrush(Qt::NoBrush);
    // Hairlines (cosmetic pens) have the rasterizer's fast path.
    c.p.setPen(QPen(kGraticule, 0));
    for (double lat = 20; lat <= 55; lat += kGraticuleStep) {
        std::vector<GeoPoint> parallel;
        for (double lon = 112; lon <= 164; lon += 2)
            parallel.push_back({lat, lon});
        c.p.drawPolyline(projected(c, parallel));
    }
    for (double lon = 115; lon <= 160; lon += kGraticuleStep)
        c.p.drawPolyline(projected(c, {{16, lon}, {36, lon}, {56, lon}}));
    c.p.setPen(QPen(kShore, 0));
    for (const std::vector<GeoPoint>& line : coast.shore)
        c.p.drawPolyline(projected(c, line));
}

// Around one station the bands' rings share their outer edge and nest:
// each zone takes the colour of the highest band that reaches it, so
// that a station's own rings never mix their colours.
void paintRingAreas(const Canvas& c, const ReachReport& report)
{
    c.p.setPen(Qt::NoPen);
    for (int k = 0; k < kStationCount; ++k) {
        const auto& bands = report.stations[k].bands;
        for (int b = 0; b < kBandCount; ++b) {
            if (!bands[b].open)
                continue;
            const bool higherOpen = b + 1 < kBandCount && bands[b + 1].open;
            const int outerKm = higherOpen ? bands[b + 1].minKm : bands[b].maxKm;
            if (outerKm <= bands[b].minKm)
                continue;
            QPainterPath zone;
            zone.setFillRule(Qt::OddEvenFill);
            zone.addPolygon(geodesicCircle(c, kIonosondes[k], outerKm / 2.0));
            zone.closeSubpath();
            if (bands[b].minKm > 0) {
                zone.addPolygon(geodesicCircle(c, kIonosondes[k], bands[b].minKm / 2.0));
                zone.closeSubpath();
            }
            fillBandZone(c.p, zone, b);
        }
    }
}

// A ring's inner edge is its band's skip; the outer edge, the longest
// hop, is the same for every band.
void paintRingEdges(const Canvas& c, const ReachReport& report)
{
    c.p.setBrush(Qt::NoBrush);
    for (int k = 0; k < kStationCount; ++k) {
        const auto& bands = report.stations[k].bands;
        for (int b = 0; b < kBandCount; ++b) {
            if (!bands[b].open || bands[b].minKm == 0)
                continue;
            c.p.setPen(skipPen(b, c.unit));
            c.p.drawPolygon(geodesicCircle(c, kIonosondes[k], bands[b].minKm / 2.0));
        }
        if (!bands[0].open) // the lowest band opens first
            continue;
        c.p.setPen(hopPen(c.unit));
        c.p.drawPolygon(geodesicCircle(c, kIonosondes[k], bands[0].maxKm / 2.0));
    }
}

// Where a path from home is open, in the band's colour, over the rings:
// the cells drawn opaque at a fraction of the map's size, then laid over
// it translucent and smoothed, far cheaper than smoothing each cell's edge.
void paintOpenAreas(const Canvas& c, const ReachReport& report)
{
    if (!report.home)
        return;
    const QSize size((c.area.size() / kShadeScale).toSize().expandedTo(QSize(1, 1)));
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.scale(size.width() / c.area.width(), size.height() / c.area.height());
        p.translate(-c.area.topLeft());
        p.setPen(Qt::NoPen);
        const std::array<QPainterPath, kBandCount> shapes =
            openAreaShapes(report.homePoint, report.reading, c.projection);
        for (int b = 0; b < kBandCount; ++b)
            p.fillPath(shapes[b], bandColour(b));
    }
    c.p.save();
    c.p.setOpacity(kOpenAreaOpacity);
    c.p.setRenderHint(QPainter::SmoothPixmapTransform);
    c.p.drawImage(c.area, layer);
    c.p.restore();
}

double discRadius(const Canvas& c)
{
    return c.unit * 0.55;
}

void paintStations(const Canvas& c, const ReachReport& report, SignalPalette palette,
                   MapLabels& labels)
{
    const double radius = discRadius(c);
    for (int k = 0; k < kStationCount; ++k) {
        const QPointF at = c.projection.map(kIonosondes[k]);
        const CellLook look = cellLook(report.reading.levels[k], palette);
        c.p.setPen(QPen(kMapHalo, c.unit * 0.12));
        c.p.setBrush(QColor(colourName(look.colour)));
        c.p.drawEllipse(at, radius, radius);
        // The level without its colour, as the readout underlines it.
        if (look.line != LevelLine::None) {
            c.p.setBrush(Qt::NoBrush);
            c.p.setPen(QPen(kMapText, c.unit * 0.14,
                            look.line == LevelLine::Solid ? Qt::SolidLine : Qt::DotLine));
            c.p.drawEllipse(at, radius + c.unit * 0.2, radius + c.unit * 0.2);
        }
        labels.reserve(QRectF(at - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)));
    }
}

void labelStations(const Canvas& c, const ReachReport& report, MapLabels& labels)
{
    for (int k = 0; k < kStationCount; ++k) {
        const QString es = report.reading.es[k].trimmed();
        const QString value = report.stations[k].es ? QStringLiteral("Es %1 MHz").arg(es)
                                                    : QStringLiteral("Es %1").arg(es);
        const LabelSide first = kStationLabelSides[k];
        const LabelSide other = first == LabelSide::Right ? LabelSide::Left : LabelSide::Right;
        labels.place(c.projection.map(kIonosondes[k]), discRadius(c) + c.unit * 0.4,
                     {shownStationName(k), value},
                     {first, LabelSide::Below, LabelSide::Above, other},
                     mapFont(c.unit, 0.9, true));
    }
}

QPointF paintHome(const Canvas& c, const ReachReport& report, MapLabels& labels)
{
    const QPointF at = c.projection.map(report.homePoint);
    const double r = c.unit * 0.5;
    const QPolygonF diamond{at + QPointF(0, -r), at + QPointF(r, 0), at + QPointF(0, r),
                            at + QPointF(-r, 0)};
    c.p.setPen(QPen(kMapHalo, c.unit * 0.14));
    c.p.setBrush(kMapHome);
    c.p.drawPolygon(diamond);
    labels.reserve(diamond.boundingRect());
    return at;
}

} // namespace

void paintReachMap(QPainter& painter, const QRectF& area, const ReachReport& report,
                   SignalPalette palette, const std::vector<HeardMark>& heard)
{
    const double unit = mapUnit(area);
    const Canvas c{painter, area, MapProjection(area), unit};
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    paintGeography(c);
    paintRingAreas(c, report);
    paintOpenAreas(c, report);
    paintRingEdges(c, report);
    paintHeardMarks(painter, c.projection,
                    report.home ? std::optional(report.homePoint) : std::nullopt, heard, unit);

    // The boxes go on top at the end; labels keep clear of them.
    MapLabels labels(painter, area, unit);
    const double margin = unit * 0.6;
    const MapPanel title = titlePanel(report, unit);
    const auto isContact = [](const HeardMark& mark) { return mark.contact; };
    const MapPanel legend =
        legendPanel(report, unit, !std::all_of(heard.begin(), heard.end(), isContact),
                    std::any_of(heard.begin(), heard.end(), isContact));
    const QPointF titleAt = area.topLeft() + QPointF(margin, margin);
    const QPointF legendAt = area.bottomRight() - QPointF(margin, margin) -
                             QPointF(legend.size().width(), legend.size().height());
    labels.reserve(QRectF(titleAt, title.size()));
    labels.reserve(QRectF(legendAt, legend.size()));

    paintStations(c, report, palette, labels);
    const std::optional<QPointF> home =
        report.home ? std::optional(paintHome(c, report, labels)) : std::nullopt;
    labelStations(c, report, labels);
    if (home)
        labels.place(*home, unit * 0.7,
                     {QCoreApplication::translate("ReachMap", "自局 %1").arg(*report.home)},
                     {LabelSide::Below, LabelSide::Above, LabelSide::Left, LabelSide::Right},
                     mapFont(unit, 0.8, true));
    title.paint(painter, titleAt);
    legend.paint(painter, legendAt);
    painter.restore();
}
