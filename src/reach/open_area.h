// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/es_reading.h"
#include "reach/sphere.h"

#include <QString>

#include <vector>

// Where a contact on one band could come from, seen from home: the paths
// the reflecting stations' Es carries (pathOpen), sampled every
// kAreaBearingStep degrees and kAreaKmStep km out to the longest hop.

inline constexpr int kAreaBearingStep = 5;
inline constexpr int kAreaKmStep = 50;

struct OpenArea {
    bool open = false;
    int minKm = 0;
    int maxKm = 0;
    bool allAround = false;
    // Clockwise from `fromBearing` to `toBearing`, degrees; the smallest
    // arc holding every open bearing.
    int fromBearing = 0;
    int toBearing = 0;
    // The stations reflecting it, those carrying most of the area first.
    std::vector<int> stations;
};

OpenArea openArea(GeoPoint home, const EsReading& reading, int bandMHz);

// The area in words, in the interface language: "50 MHz: 1,100–2,298 km,
// SW to W, via 鹿 and 国", or "50 MHz: closed".
QString openAreaLine(int bandMHz, const OpenArea& area);

// The eight-point compass word nearest `bearing` ("N", "SW").
QString compassWord(double bearing);
