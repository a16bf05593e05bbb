// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

// Window geometry is kept in twips; 15 twips are one device-independent
// pixel (1440 twips per inch at 96 dpi), so Qt's HiDPI scaling applies.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}
