// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/open_area_shading.h"

#include "core/text/number_text.h"
#include "reach/ionosondes.h"
#include "reach/path_judgement.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// The cells' edges along a bearing: from the shortest judged path to the
// longest hop.
std::vector<double> kmEdges()
{
    std::vector<double> edges;
    const double longest = maxHopKm();
    for (double km = kShortestJudgedKm; km < longest; km += kShadeKmStep)
        edges.push_back(km);
    edges.push_back(longest);
    return edges;
}

// Points as unit vectors from the Earth's centre: the cells' midpoints
// come from home by a rotation and their nearest station by a dot
// product, with no trigonometry per cell.
struct Vec {
    double x = 0, y = 0, z = 0;
};

Vec operator*(double a, Vec v)
{
    return {a * v.x, a * v.y, a * v.z};
}

Vec operator+(Vec a, Vec b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

double dot(Vec a, Vec b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec unitVector(GeoPoint point)
{
    const double lat = point.lat * kRadiansPerDegree;
    const double lon = point.lon * kRadiansPerDegree;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

// The station nearest `point` (nearestIonosonde) when within
// kReflectionRadiusKm (reflectingStation).
std::optional<int> reflectingAt(Vec point, const std::array<Vec, kStationCount>& stations)
{
    static const double withinRadius = std::cos(kReflectionRadiusKm / kEarthRadiusKm);
    int nearest = 0;
    double nearestDot = dot(point, stations[0]);
    for (int k = 1; k < kStationCount; ++k) {
        const double d = dot(point, stations[k]);
        if (d > nearestDot) {
            nearest = k;
            nearestDot = d;
        }
    }
    return nearestDot >= withinRadius ? std::optional(nearest) : std::nullopt;
}

} // namespace

std::array<QPainterPath, kBandCount> openAreaShapes(GeoPoint home, const EsReading& reading,
                                                    const MapProjection& projection)
{
    std::array<QPainterPath, kBandCount> shapes;
    for (QPainterPath& shape : shapes)
        shape.setFillRule(Qt::WindingFill); // neighbouring cells may overlap by a rounding
    std::array<std::optional<double>, kStationCount> es;
    for (int k = 0; k < kStationCount; ++k)
        es[k] = readingNumber(reading.es[k]);
    if (std::none_of(es.begin(), es.end(), [](const auto& e) { return e.has_value(); }))
        return shapes;

    // What the rule asks of each cell's path, the same on every bearing.
    static const std::vector<double> edges = kmEdges();
    const int rows = static_cast<int>(edges.size()) - 1;
    std::vector<std::array<std::optional<double>, kBandCount>> needed(rows);
    for (int i = 0; i < rows; ++i) {
        for (int b = 0; b < kBandCount; ++b)
            needed[i][b] = neededEs((edges[i] + edges[i + 1]) / 2, kBandsMHz[b]);
    }

    std::vector<int> highest(rows);
    std::vector<std::pair<double, double>> turns(rows); // cos, sin of the arc to each midpoint
    for (int i = 0; i < rows; ++i) {
        const double arc = (edges[i] + edges[i + 1]) / 4 / kEarthRadiusKm;
        turns[i] = {std::cos(arc), std::sin(arc)};
    }
    std::array<Vec, kStationCount> stations;
    for (int k = 0; k < kStationCount; ++k)
        stations[k] = unitVector(kIonosondes[k]);
    const Vec up = unitVector(home);
    const double lat = home.lat * kRadiansPerDegree;
    const double lon = home.lon * kRadiansPerDegree;
    const Vec north{-std::sin(lat) * std::cos(lon), -std::sin(lat) * std::sin(lon), std::cos(lat)};
    const Vec east{-std::sin(lon), std::cos(lon), 0};
    const auto corner = [&](double bearing, double km) {
        return projection.map(destination(home, bearing, km));
    };
    for (double bearing = 0; bearing < 360; bearing += kShadeBearingStep) {
        const double course = bearing * kRadiansPerDegree;
        const Vec heading = std::cos(course) * north + std::sin(course) * east;
        for (int i = 0; i < rows; ++i) {
            highest[i] = -1;
            const std::optional<int> station =
                reflectingAt(turns[i].first * up + turns[i].second * heading, stations);
            const std::optional<double> stationEs = station ? es[*station] : std::nullopt;
            if (!stationEs)
                continue;
            for (int b = kBandCount - 1; b >= 0 && highest[i] < 0; --b) {
                if (needed[i][b] && esCarries(*stationEs, *needed[i][b]))
                    highest[i] = b;
            }
        }
        const double left = bearing - kShadeBearingStep / 2;
        const double right = bearing + kShadeBearingStep / 2;
        for (int first = 0; first < rows;) {
            int end = first + 1;
            while (end < rows && highest[end] == highest[first])
                ++end;
            if (highest[first] >= 0)
                shapes[highest[first]].addPolygon(
                    QPolygonF{corner(left, edges[first]), corner(left, edges[end]),
                              corner(right, edges[end]), corner(right, edges[first])});
            first = end;
        }
    }
    return shapes;
}
