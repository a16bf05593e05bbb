// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The amateur band a dial frequency lies in. The reach takes a band at
// its whole MHz (28, 50, 144); only those bands are judged.
struct DialBand {
    int mhz = 0;  // whole MHz at its lower edge, as the reach names bands: 28, 50, 144, 7 …
    QString name; // "10m", "6m", "2m", "70cm" …
    bool judged = false;
};

// Nothing outside the amateur bands (as allotted in Japan and in region 3).
std::optional<DialBand> dialBand(quint64 dialHz);

// Just the band's MHz.
std::optional<int> amateurBandMHz(quint64 dialHz);

// The band of a frequency in MHz (ADIF's FREQ).
std::optional<DialBand> frequencyBand(double mhz);

// The band named "6m" (any case), or by its MHz ("50"); nothing for another text.
std::optional<DialBand> bandNamed(const QString& text);
