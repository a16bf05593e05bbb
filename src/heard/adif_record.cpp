// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/adif_record.h"

#include "reach/mirror_model.h"

#include <array>

namespace {

// The edges of the three bands in MHz (ADIF's band table), as kBandsMHz.
struct BandEdges {
    double low, high;
    const char* name;
};
constexpr std::array<BandEdges, kBandCount> kBandEdges = {
    {{28.0, 29.7, "10m"}, {50.0, 54.0, "6m"}, {144.0, 148.0, "2m"}}};

} // namespace

QString AdifRecord::key() const
{
    return call + u' ' + time.toString(QStringLiteral("yyyyMMddhhmm")) + u' ' + band;
}

std::optional<int> bandOfFrequency(double mhz)
{
    for (int b = 0; b < kBandCount; ++b)
        if (mhz >= kBandEdges[b].low && mhz <= kBandEdges[b].high)
            return kBandsMHz[b];
    return std::nullopt;
}

QLatin1StringView adifBandName(int bandMHz)
{
    for (int b = 0; b < kBandCount; ++b)
        if (kBandsMHz[b] == bandMHz)
            return QLatin1StringView(kBandEdges[b].name);
    return {};
}

std::optional<int> bandOfName(QStringView adifBand)
{
    for (int b = 0; b < kBandCount; ++b)
        if (adifBand == QLatin1StringView(kBandEdges[b].name))
            return kBandsMHz[b];
    return std::nullopt;
}
