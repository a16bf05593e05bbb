// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/map_strokes.h"

#include "reach/map_style.h"
#include "reach/station_reach.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kZoneAlpha = 46;

} // namespace

QColor bandColour(int band)
{
    // Okabe and Ito's blue, orange and reddish purple, lightened for a dark
    // map; the blue leans away from the sky blue of a quiet reading.
    static const QColor colours[kBandCount] = {QColor(0x3d, 0x6f, 0xf0), QColor(0xf0, 0xa0, 0x20),
                                               QColor(0xe0, 0x70, 0xc0)};
    return colours[std::clamp(band, 0, kBandCount - 1)];
}

void fillBandZone(QPainter& painter, const QPainterPath& zone, int band)
{
    QColor fill = bandColour(band);
    fill.setAlpha(kZoneAlpha);
    painter.fillPath(zone, fill);
}

QPen skipPen(int band, double unit)
{
    return QPen(bandColour(band), unit * 0.16);
}

QPen hopPen(double unit)
{
    return QPen(kMapQuietText, unit * 0.1, Qt::DashLine);
}
