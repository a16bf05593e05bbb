// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/es_reading.h"
#include "reach/sphere.h"

#include <QString>

#include <optional>

// A heard station's path from home judged against the Es measured nearest
// its reflection point (reach/path_judgement.h).

// open: the measured Es carries the path; closed: it does not, yet the
// station was heard; short: under kShortestJudgedKm (ground wave, tropo);
// beyond: longer than one hop; far: no ionosonde within
// kReflectionRadiusKm of the midpoint; no-reading: no page, or no number
// for that station.
enum class Verdict { Open, Closed, Short, Beyond, Far, NoReading };

// "open", "closed", "short", "beyond", "far", "no-reading".
QString verdictName(Verdict verdict);

// Heard over a path the Es could have carried: from kShortestJudgedKm to
// one hop, an ionosonde within reach of the midpoint (open, closed or
// no-reading).
bool esRangeVerdict(Verdict verdict);

struct HeardPath {
    int km = 0;
    double bearing = 0; // from home, degrees clockwise from north
    GeoPoint midpoint;
    std::optional<double> neededEs; // nothing beyond one hop or off the judged bands
    std::optional<int> station;     // the ionosonde nearest the midpoint, within reach
    int stationKm = 0;              // from the midpoint to the nearest ionosonde
    std::optional<double> stationEs;
    QString pageTime; // of the reading judged by
    // Nothing on a band the reach does not take (not 28, 50 or 144 MHz).
    std::optional<Verdict> verdict;
};

// `bandMHz`: the band of the decode, nothing when unknown; `reading`: the
// latest page at or before the decode, no older than the caller allows,
// or nullptr.
HeardPath judgeHeardPath(GeoPoint home, GeoPoint far, std::optional<int> bandMHz,
                         const EsReading* reading);
