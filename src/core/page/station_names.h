// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"

#include <array>

// The four stations in the grid's order, for texts outside the window.
struct StationName {
    const char16_t* mark; // the grid's row heading
    const char16_t* name; // Japanese place name
    const char* ascii;    // for logs and scripts
};

inline constexpr std::array<StationName, kStationCount> kStationNames{{
    {u"稚", u"稚内", "wakkanai"},
    {u"国", u"国分寺", "kokubunji"},
    {u"鹿", u"山川", "yamagawa"},
    {u"沖", u"大宜味", "ogimi"},
}};

// Index of station `k`'s reading `column` (0 Fmax, 1 Fmin, 2 Es) in the grid.
constexpr int cellIndex(int k, int column)
{
    return k * kReadingCount + column;
}
