// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"

// Colours cell `index` by its alert signal name and folds the signal into
// its column's summary (cells 0 to 11 only).
void ShowSignal(ReadoutState& state, const QString& name, int index);

// Fills the summary row from the summary levels and, from the Es column,
// the status phrase and the window caption.
void ShowSummary(ReadoutState& state);

// A line under a cell that tells its level without its colour.
enum class LevelLine { None, Dotted, Solid };

struct CellLook {
    ColourValue colour;
    LevelLine line = LevelLine::None;
};

// How a cell that ShowSignal or ShowSummary coloured `colour` is drawn in
// `palette`. The readout keeps the page's colours whatever the palette.
CellLook cellLook(ColourValue colour, SignalPalette palette);

// `colour` dimmed, for data too old to be shown as current: half way to a
// dark grey, on the black grid and in the tray alike.
ColourValue dimmed(ColourValue colour);

// The alert level a grid cell shows, for those who cannot see its colour.
enum class CellLevel { Quiet, Caution, Alert, NoData };

// Level of grid cell `index` (0..14) by its colour; NoData for an
// "UNDEFINE" cell and for a caption that holds no reading: empty (before
// the first refresh), "?" or "---".
CellLevel cellLevel(const ReadoutState& state, int index);
