// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/dial_band.h"

#include <array>
#include <cmath>

namespace {

struct BandEdges {
    quint64 lowKHz;
    quint64 highKHz;
    int mhz;
    const char* name;
    bool judged;
};

// Edges a little wide of the allotments, so that a dial set at a band's
// edge still counts (the decodes sit above the dial); both edges belong
// to the band, as in ADIF's band table.
constexpr std::array<BandEdges, 13> kBands = {{
    {1800, 2000, 1, "160m", false},
    {3500, 4000, 3, "80m", false},
    {7000, 7300, 7, "40m", false},
    {10100, 10150, 10, "30m", false},
    {14000, 14350, 14, "20m", false},
    {18068, 18168, 18, "17m", false},
    {21000, 21450, 21, "15m", false},
    {24890, 24990, 24, "12m", false},
    {28000, 29700, 28, "10m", true},
    {50000, 54000, 50, "6m", true},
    {144000, 148000, 144, "2m", true},
    {430000, 440000, 430, "70cm", false},
    {1240000, 1300000, 1200, "23cm", false},
}};

DialBand dialBandOf(const BandEdges& band)
{
    return DialBand{band.mhz, QString::fromLatin1(band.name), band.judged};
}

// Above every band: keeps the conversion to Hz in range.
constexpr double kHighestMHz = 1e6;

} // namespace

std::optional<DialBand> dialBand(quint64 dialHz)
{
    const quint64 kHz = dialHz / 1000;
    for (const BandEdges& band : kBands) {
        if (band.lowKHz <= kHz && kHz <= band.highKHz)
            return dialBandOf(band);
    }
    return std::nullopt;
}

std::optional<int> amateurBandMHz(quint64 dialHz)
{
    const std::optional<DialBand> band = dialBand(dialHz);
    return band ? std::optional<int>(band->mhz) : std::nullopt;
}

std::optional<DialBand> frequencyBand(double mhz)
{
    if (!(mhz > 0 && mhz < kHighestMHz))
        return std::nullopt;
    return dialBand(static_cast<quint64>(std::llround(mhz * 1e6)));
}

std::optional<DialBand> bandNamed(const QString& text)
{
    for (const BandEdges& band : kBands) {
        if (text.compare(QLatin1StringView(band.name), Qt::CaseInsensitive) == 0 ||
            text == QString::number(band.mhz))
            return dialBandOf(band);
    }
    return std::nullopt;
}
