// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// Sporadic E as a thin mirror over a spherical Earth (radius
// kEarthRadiusKm): a single hop whose midpoint lies under the reflecting
// cloud, the cloud's critical frequency f_c taken from the station's Es.
// The secant law with the Earth's curvature gives the highest frequency
// such a hop carries: MUF(D) = f_c · sec φ. What a cloud like the one
// measured would carry, not a forecast; one hop only.

// The reflecting layer's height.
inline constexpr double kLayerHeightKm = 105.0;

// The bands whose reach is worked out, MHz, in this order everywhere.
inline constexpr std::array<int, 3> kBandsMHz = {28, 50, 144};
inline constexpr int kBandCount = static_cast<int>(kBandsMHz.size());

// sec φ for a hop `pathKm` long along the ground: the angle of incidence
// φ at the layer has tan φ = sin θ / (1 + h/R − cos θ), θ = D / (2R).
double secantFactor(double pathKm);

// The longest single hop, leaving and arriving at zero elevation:
// D_max = 2R · arccos(R / (R + h)), about 2,298 km.
double maxHopKm();

// sec φ of the longest hop (about 5.576): no hop carries a band above
// f_c times this.
double maxSecantFactor();

// The f_c at which a band opens on the longest hop: f / sec φ(D_max)
// (5.02 MHz for 28 MHz, 8.97 for 50, 25.83 for 144).
double openingEs(double bandMHz);

// The shortest hop (the skip) for r = f / f_c, 1 < r ≤ maxSecantFactor():
// D_skip = 2R (π/2 − Δ − φ) with sec φ = r and cos Δ = (R + h) sin φ / R,
// Δ being the elevation at the ground.
double skipKm(double ratio);

// Where one band reaches over a cloud, whole kilometres.
struct BandReach {
    bool open = false;
    int minKm = 0; // the skip; 0 when the band is at or under f_c
    int maxKm = 0; // the longest hop
};

// The reach of `bandMHz` under a cloud of critical frequency
// `criticalMHz`: closed when f / f_c exceeds maxSecantFactor() (and for
// an f_c that is not above zero), paths from 0 to D_max when f ≤ f_c.
BandReach bandReach(double criticalMHz, double bandMHz);
