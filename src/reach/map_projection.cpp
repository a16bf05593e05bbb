// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/map_projection.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kWest = 120, kEast = 156, kSouth = 22, kNorth = 50;
constexpr GeoPoint kCentre{(kSouth + kNorth) / 2, (kWest + kEast) / 2};

// Kilometres east and north of the centre (y grows northward).
QPointF plane(GeoPoint p)
{
    const double lat0 = kCentre.lat * kRadiansPerDegree;
    const double lat = p.lat * kRadiansPerDegree;
    const double dLon = (p.lon - kCentre.lon) * kRadiansPerDegree;
    const double cosC =
        std::sin(lat0) * std::sin(lat) + std::cos(lat0) * std::cos(lat) * std::cos(dLon);
    const double c = std::acos(std::clamp(cosC, -1.0, 1.0));
    const double k = c < 1e-9 ? 1 : c / std::sin(c);
    return {kEarthRadiusKm * k * std::cos(lat) * std::sin(dLon),
            kEarthRadiusKm * k *
                (std::cos(lat0) * std::sin(lat) - std::sin(lat0) * std::cos(lat) * std::cos(dLon))};
}

// The plane extent of the box that must show, from points along its edges.
QRectF boxExtent()
{
    constexpr int kSteps = 24;
    double left = 0, right = 0, bottom = 0, top = 0;
    for (int i = 0; i <= kSteps; ++i) {
        const double lon = kWest + (kEast - kWest) * i / kSteps;
        const double lat = kSouth + (kNorth - kSouth) * i / kSteps;
        for (const GeoPoint edge : {GeoPoint{kSouth, lon}, GeoPoint{kNorth, lon},
                                    GeoPoint{lat, kWest}, GeoPoint{lat, kEast}}) {
            const QPointF q = plane(edge);
            left = std::min(left, q.x());
            right = std::max(right, q.x());
            bottom = std::min(bottom, q.y());
            top = std::max(top, q.y());
        }
    }
    return QRectF(QPointF(left, bottom), QPointF(right, top));
}

} // namespace

MapProjection::MapProjection(const QRectF& area)
{
    static const QRectF extent = boxExtent();
    m_scale = std::min(area.width() / extent.width(), area.height() / extent.height());
    // The box's middle in the area's middle; y flips, north is up.
    m_origin = area.center() - QPointF(extent.center().x(), -extent.center().y()) * m_scale;
}

QPointF MapProjection::map(GeoPoint point) const
{
    const QPointF q = plane(point);
    return m_origin + QPointF(q.x(), -q.y()) * m_scale;
}
