// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Form1;
class ProgramSettings;

// The compact window's outer size, twips.
inline constexpr int kCompactWidth = 2340;
inline constexpr int kCompactHeight = 2925;

// Whether the window stands where its position is worth keeping: shown
// in full, below the very top of the screen.
bool positionIsWorthKeeping(const Form1& window);

// The window's geometry as remembered in the settings.
void storePaneGeometry(ProgramSettings& settings, const Form1& window);
void storeCompactPosition(ProgramSettings& settings, const Form1& window);
