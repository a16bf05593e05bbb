// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/station_reach.h"

#include "core/text/locator_text.h"
#include "core/text/number_text.h"
#include "reach/ionosondes.h"
#include "reach/maidenhead.h"

#include <cmath>

namespace {

HomePath pathFrom(GeoPoint home, GeoPoint station, const std::array<BandReach, kBandCount>& bands)
{
    HomePath path;
    const double d = distanceKm(home, station);
    path.stationKm = static_cast<int>(std::lround(d));
    path.pathKm = static_cast<int>(std::lround(2 * d));
    path.farEnd = destination(home, bearingDegrees(home, station), 2 * d);
    path.farEndLocator = locatorOf(path.farEnd);
    // Compared in whole kilometres, as shown, so that the numbers agree.
    for (int b = 0; b < kBandCount; ++b)
        path.open[b] =
            bands[b].open && bands[b].minKm <= path.pathKm && path.pathKm <= bands[b].maxKm;
    return path;
}

} // namespace

ReachReport reachOf(const EsReading& reading, const QString& homeLocator)
{
    ReachReport report;
    report.reading = reading;
    report.home = canonicalLocator(homeLocator);
    if (report.home)
        report.homePoint = *locatorCentre(*report.home);
    for (int k = 0; k < kStationCount; ++k) {
        StationReach& station = report.stations[k];
        station.es = readingNumber(reading.es[k]);
        if (station.es) {
            for (int b = 0; b < kBandCount; ++b)
                station.bands[b] = bandReach(*station.es, kBandsMHz[b]);
        }
        if (report.home)
            station.fromHome = pathFrom(report.homePoint, kIonosondes[k], station.bands);
    }
    if (report.home) {
        for (int b = 0; b < kBandCount; ++b)
            report.openAreas[b] = openArea(report.homePoint, reading, kBandsMHz[b]);
    }
    return report;
}
