// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/mirror_model.h"

#include "reach/sphere.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kR = kEarthRadiusKm;
constexpr double kH = kLayerHeightKm;

int wholeKm(double km)
{
    return static_cast<int>(std::lround(km));
}

} // namespace

double secantFactor(double pathKm)
{
    const double theta = pathKm / (2 * kR);
    const double phi = std::atan2(std::sin(theta), 1 + kH / kR - std::cos(theta));
    return 1 / std::cos(phi);
}

double maxHopKm()
{
    return 2 * kR * std::acos(kR / (kR + kH));
}

double maxSecantFactor()
{
    // At zero elevation sin φ = R / (R + h).
    return (kR + kH) / std::sqrt((kR + kH) * (kR + kH) - kR * kR);
}

double openingEs(double bandMHz)
{
    return bandMHz / maxSecantFactor();
}

double skipKm(double ratio)
{
    const double phi = std::acos(1 / ratio);
    const double elevation = std::acos(std::min(1.0, (kR + kH) * std::sin(phi) / kR));
    return std::max(0.0, 2 * kR * (std::numbers::pi / 2 - elevation - phi));
}

BandReach bandReach(double criticalMHz, double bandMHz)
{
    if (!(criticalMHz > 0))
        return {};
    const double ratio = bandMHz / criticalMHz;
    if (ratio > maxSecantFactor())
        return {};
    const int maxKm = wholeKm(maxHopKm());
    if (ratio <= 1)
        return {true, 0, maxKm};
    return {true, wholeKm(skipKm(ratio)), maxKm};
}
