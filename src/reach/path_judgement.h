// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/es_reading.h"
#include "reach/sphere.h"

#include <optional>

// One hop between two places, judged against the Es measured nearest its
// reflection point (the great-circle midpoint): the inverse of the reach
// rings. A path of length D is open on band f when the reflecting
// station's Es ≥ f / sec φ(D). The map's shading and each heard path's
// verdict use this one rule.

// Shorter paths go by ground wave or tropo; they are not judged.
inline constexpr double kShortestJudgedKm = 500;

// How far the reflection point may lie from an ionosonde for its Es to
// stand for the cloud there.
inline constexpr double kReflectionRadiusKm = 600;

// The f_c a path of `pathKm` needs on `bandMHz`: f / sec φ(D); nothing for
// a path longer than one hop (maxHopKm()).
std::optional<double> neededEs(double pathKm, double bandMHz);

struct NearestIonosonde {
    int station = 0; // index in the grid's order
    double km = 0;
};

// The ionosonde nearest `point`.
NearestIonosonde nearestIonosonde(GeoPoint point);

// The station whose Es stands for a cloud over `midpoint`: the nearest
// ionosonde, when within kReflectionRadiusKm.
std::optional<int> reflectingStation(GeoPoint midpoint);

// Whether a cloud of `es` carries a hop that needs `needed`.
bool esCarries(double es, double needed);

// The station whose Es carries a hop of `pathKm` reflected over
// `midpoint` on `bandMHz`, when the path is open by the rule below.
std::optional<int> carryingStation(double pathKm, GeoPoint midpoint, int bandMHz,
                                   const EsReading& reading);

// Whether the path from `a` to `b` is open on `bandMHz` by `reading`:
// kShortestJudgedKm ≤ D ≤ D_max, a reflecting station, and its Es a
// number that carries the path.
bool pathOpen(GeoPoint a, GeoPoint b, int bandMHz, const EsReading& reading);
