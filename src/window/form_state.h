// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// The window's shared state beside the readout: screen size, page
// addresses, layout, schedule.
struct FormState {
    int ScreenWidth = 0;  // twips
    int ScreenHeight = 0; // twips
    std::array<QString, 6> PageUrl;
    int PaneOpen = 0;
    QString PaneUrl;
    int ReloadElapsed = 0;
    int ReloadPeriod = 180;
};
