// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/es_reading.h"
#include "reach/mirror_model.h"
#include "reach/open_area.h"
#include "reach/sphere.h"

#include <QString>

#include <array>
#include <optional>

// A hop from home whose midpoint lies over a station: D = 2d, d being the
// distance from home to the station; a band carries it when
// D_skip ≤ D ≤ D_max.
struct HomePath {
    int stationKm = 0; // d
    int pathKm = 0;    // D
    GeoPoint farEnd;   // 2d from home along the great circle through the station
    QString farEndLocator;
    std::array<bool, kBandCount> open{};

    bool anyOpen() const { return open[0] || open[1] || open[2]; }
};

struct StationReach {
    std::optional<double> es; // f_c; nothing when the page gives no number
    std::array<BandReach, kBandCount> bands{};
    std::optional<HomePath> fromHome; // with a home
};

// Everything the band lines, the map and the command line tell about one page.
struct ReachReport {
    EsReading reading;
    std::optional<QString> home; // the locator, canonical ("PM95vq")
    GeoPoint homePoint;          // the centre of its square
    std::array<StationReach, kStationCount> stations{};
    // With a home: where a path from it is open on each band.
    std::array<OpenArea, kBandCount> openAreas{};
};

// The reach of each station's Es, and from `homeLocator` when it is a
// locator (canonicalLocator); any other text means no home.
ReachReport reachOf(const EsReading& reading, const QString& homeLocator = {});
