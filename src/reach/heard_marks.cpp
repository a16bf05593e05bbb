// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/heard_marks.h"

#include "reach/map_projection.h"
#include "reach/map_strokes.h"
#include "reach/map_style.h"
#include "reach/mirror_model.h"
#include "reach/reach_map.h"

#include <QImage>
#include <QPainter>

#include <array>
#include <cmath>

namespace {

// Marks fade in this many steps, the oldest shown to this much of their
// colour; marks of one band, kind and step share one look, drawn once.
// A contact has one look per band.
constexpr int kAgeSteps = 4;
constexpr double kOldestOpacity = 0.3;
constexpr int kDecodeLooks = (kBandCount + 1) * 2 * kAgeSteps;
constexpr int kLooks = kDecodeLooks + kBandCount + 1;

double markRadius(double unit)
{
    return unit * 0.34;
}

int ageStep(const HeardMark& mark)
{
    if (mark.contact)
        return 0;
    return static_cast<int>(std::lround(std::clamp(mark.age01, 0.0, 1.0) * (kAgeSteps - 1)));
}

QColor markColour(const HeardMark& mark)
{
    QColor colour = mark.band >= 0 ? bandColour(mark.band) : kMapQuietText;
    colour.setAlphaF(
        static_cast<float>(1 - (1 - kOldestOpacity) * ageStep(mark) / (kAgeSteps - 1)));
    return colour;
}

int lookOf(const HeardMark& mark)
{
    const int band = std::clamp(mark.band, -1, kBandCount - 1) + 1;
    if (mark.contact)
        return kDecodeLooks + band;
    return (band * 2 + (mark.approximate ? 1 : 0)) * kAgeSteps + ageStep(mark);
}

// One mark's look, its centre in the middle of the image.
QImage markImage(const HeardMark& mark, double unit)
{
    const double r = markRadius(unit);
    const int side = static_cast<int>(std::ceil(2 * r + unit * 0.3)) | 1;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = markColour(mark);
    if (mark.approximate && !mark.contact) {
        p.setPen(QPen(colour, unit * 0.15));
        p.setBrush(Qt::NoBrush);
    } else {
        QColor halo = kMapHalo;
        halo.setAlpha(colour.alpha());
        p.setPen(QPen(halo, unit * 0.08));
        p.setBrush(colour);
    }
    const QPointF centre(side / 2.0, side / 2.0);
    if (mark.contact)
        p.drawRect(QRectF(centre - QPointF(r, r), centre + QPointF(r, r)));
    else
        p.drawEllipse(centre, r, r);
    return image;
}

} // namespace

void paintHeardMarks(QPainter& painter, const MapProjection& projection,
                     const std::optional<GeoPoint>& home, const std::vector<HeardMark>& marks,
                     double unit)
{
    if (marks.empty())
        return;
    painter.save();
    // The lines first, so that no line crosses a mark; a look's lines in
    // one call, as hairlines (the rasterizer's fast path).
    if (home) {
        std::array<QList<QLineF>, kLooks> lines;
        std::array<QColor, kLooks> colours;
        const QPointF from = projection.map(*home);
        const double cross = unit * 0.2;
        for (const HeardMark& mark : marks) {
            const int look = lookOf(mark);
            colours[look] = markColour(mark);
            const QPointF middle = projection.map(mark.midpoint);
            lines[look] << QLineF(from, middle) << QLineF(middle, projection.map(mark.at))
                        << QLineF(middle - QPointF(cross, cross), middle + QPointF(cross, cross))
                        << QLineF(middle - QPointF(cross, -cross), middle + QPointF(cross, -cross));
        }
        for (int look = 0; look < kLooks; ++look) {
            if (lines[look].isEmpty())
                continue;
            QColor colour = colours[look];
            colour.setAlphaF(colour.alphaF() * 0.6f);
            painter.setPen(QPen(colour, 0));
            painter.drawLines(lines[look]);
        }
    }
    std::array<QImage, kLooks> looks;
    for (const HeardMark& mark : marks) {
        QImage& image = looks[lookOf(mark)];
        if (image.isNull())
            image = markImage(mark, unit);
        const QPointF at = projection.map(mark.at);
        painter.drawImage(QPoint(static_cast<int>(std::lround(at.x())) - image.width() / 2,
                                 static_cast<int>(std::lround(at.y())) - image.height() / 2),
                          image);
    }
    painter.restore();
}

std::optional<std::size_t> heardMarkAt(const QRectF& area, const std::vector<HeardMark>& marks,
                                       QPointF point)
{
    const MapProjection projection(area);
    const double reach = std::max(6.0, markRadius(mapUnit(area)) + 3);
    std::optional<std::size_t> nearest;
    double nearestSquared = reach * reach;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const QPointF d = projection.map(marks[i].at) - point;
        const double squared = QPointF::dotProduct(d, d);
        if (squared <= nearestSquared) {
            nearest = i;
            nearestSquared = squared;
        }
    }
    return nearest;
}
