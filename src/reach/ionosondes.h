// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"
#include "reach/sphere.h"

#include <array>

// Where the four stations' ionosondes stand, in the grid's order: Wakkanai
// at Sarobetsu, Kokubunji, Yamagawa, Okinawa at Ogimi.
inline constexpr std::array<GeoPoint, kStationCount> kIonosondes = {{
    {45.16, 141.75},
    {35.71, 139.49},
    {31.20, 130.62},
    {26.68, 128.15},
}};
