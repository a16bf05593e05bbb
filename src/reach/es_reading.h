// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"

#include <QString>

#include <array>

// What the reach and the map take from one page: the four Es values and
// the colours the readout gives them.
struct EsReading {
    QString pageTime;                                // as the page gives it
    std::array<QString, kStationCount> es;           // the value texts ("10.4", "?")
    std::array<ColourValue, kStationCount> levels{}; // as ShowSignal colours the Es cells
};

// The Es column of the readout the window shows.
EsReading esReadingOf(const ReadoutState& state);

// A page as the history log keeps it: the Es texts and their signal names.
EsReading esReadingFromSignals(const QString& pageTime,
                               const std::array<QString, kStationCount>& es,
                               const std::array<QString, kStationCount>& signalNames);
