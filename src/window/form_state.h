// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// The window's shared state beside the readout and the countdown: screen
// size, page addresses, layout.
struct FormState {
    int ScreenWidth = 0;  // twips
    int ScreenHeight = 0; // twips
    std::array<QString, 6> PageUrl;
    int PaneOpen = 0;
    QString PaneUrl;
};
