// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/sphere.h"

#include <algorithm>
#include <cmath>

namespace {

double radians(double degrees)
{
    return degrees * kRadiansPerDegree;
}

double degrees(double radians)
{
    return radians / kRadiansPerDegree;
}

// -180 up to 180.
double wrappedLongitude(double lon)
{
    const double wrapped = std::remainder(lon, 360.0);
    return wrapped == -180.0 ? 180.0 : wrapped;
}

} // namespace

double distanceKm(GeoPoint a, GeoPoint b)
{
    // Haversine: well behaved at short distances.
    const double dLat = radians(b.lat - a.lat);
    const double dLon = radians(b.lon - a.lon);
    const double h = std::pow(std::sin(dLat / 2), 2) + std::cos(radians(a.lat)) *
                                                           std::cos(radians(b.lat)) *
                                                           std::pow(std::sin(dLon / 2), 2);
    return 2 * kEarthRadiusKm * std::asin(std::sqrt(std::clamp(h, 0.0, 1.0)));
}

double bearingDegrees(GeoPoint from, GeoPoint to)
{
    const double lat1 = radians(from.lat);
    const double lat2 = radians(to.lat);
    const double dLon = radians(to.lon - from.lon);
    const double y = std::sin(dLon) * std::cos(lat2);
    const double x =
        std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(dLon);
    return std::fmod(degrees(std::atan2(y, x)) + 360.0, 360.0);
}

GeoPoint destination(GeoPoint from, double bearing, double km)
{
    const double angle = km / kEarthRadiusKm;
    const double lat1 = radians(from.lat);
    const double course = radians(bearing);
    const double sinLat2 =
        std::sin(lat1) * std::cos(angle) + std::cos(lat1) * std::sin(angle) * std::cos(course);
    const double lat2 = std::asin(std::clamp(sinLat2, -1.0, 1.0));
    const double dLon = std::atan2(std::sin(course) * std::sin(angle) * std::cos(lat1),
                                   std::cos(angle) - std::sin(lat1) * sinLat2);
    return {degrees(lat2), wrappedLongitude(from.lon + degrees(dLon))};
}

GeoPoint midpoint(GeoPoint a, GeoPoint b)
{
    const double lat1 = radians(a.lat);
    const double lat2 = radians(b.lat);
    const double dLon = radians(b.lon - a.lon);
    const double bx = std::cos(lat2) * std::cos(dLon);
    const double by = std::cos(lat2) * std::sin(dLon);
    const double lat =
        std::atan2(std::sin(lat1) + std::sin(lat2), std::hypot(std::cos(lat1) + bx, by));
    const double lon = radians(a.lon) + std::atan2(by, std::cos(lat1) + bx);
    return {degrees(lat), wrappedLongitude(degrees(lon))};
}
