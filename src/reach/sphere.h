// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// moc cannot parse <numbers>, and needs nothing of it.
#ifndef Q_MOC_RUN
#include <numbers>
#endif

// Great circles on a spherical Earth: good to a few tenths of a percent,
// far better than the mirror model they serve.

// The Earth's mean radius.
inline constexpr double kEarthRadiusKm = 6371.0;

inline constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// Degrees; north and east are positive.
struct GeoPoint {
    double lat = 0;
    double lon = 0;
};

// Along the great circle between `a` and `b`.
double distanceKm(GeoPoint a, GeoPoint b);

// The direction from `from` towards `to` as it sets out, degrees clockwise
// from north.
double bearingDegrees(GeoPoint from, GeoPoint to);

// The point `km` from `from` when setting out at `bearing` degrees.
GeoPoint destination(GeoPoint from, double bearing, double km);

// Halfway along the great circle from `a` to `b`: where a single hop
// between them reflects.
GeoPoint midpoint(GeoPoint a, GeoPoint b);
