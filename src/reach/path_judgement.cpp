// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/path_judgement.h"

#include "core/text/number_text.h"
#include "reach/ionosondes.h"
#include "reach/mirror_model.h"

std::optional<double> neededEs(double pathKm, double bandMHz)
{
    if (pathKm > maxHopKm())
        return std::nullopt;
    return bandMHz / secantFactor(pathKm);
}

NearestIonosonde nearestIonosonde(GeoPoint point)
{
    NearestIonosonde nearest{0, distanceKm(point, kIonosondes[0])};
    for (int k = 1; k < kStationCount; ++k) {
        const double km = distanceKm(point, kIonosondes[k]);
        if (km < nearest.km)
            nearest = {k, km};
    }
    return nearest;
}

std::optional<int> reflectingStation(GeoPoint midpoint)
{
    const NearestIonosonde nearest = nearestIonosonde(midpoint);
    if (nearest.km > kReflectionRadiusKm)
        return std::nullopt;
    return nearest.station;
}

bool esCarries(double es, double needed)
{
    return es >= needed;
}

std::optional<int> carryingStation(double pathKm, GeoPoint midpoint, int bandMHz,
                                   const EsReading& reading)
{
    if (pathKm < kShortestJudgedKm)
        return std::nullopt;
    const std::optional<double> needed = neededEs(pathKm, bandMHz);
    if (!needed)
        return std::nullopt;
    const std::optional<int> station = reflectingStation(midpoint);
    if (!station)
        return std::nullopt;
    const std::optional<double> es = readingNumber(reading.es[*station]);
    if (!es || !esCarries(*es, *needed))
        return std::nullopt;
    return station;
}

bool pathOpen(GeoPoint a, GeoPoint b, int bandMHz, const EsReading& reading)
{
    return carryingStation(distanceKm(a, b), midpoint(a, b), bandMHz, reading).has_value();
}
