// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"

#include <QString>

// What the tray icon shows of the readout: pure, so it is tested without
// widgets.

// The Es column's summary as the tray colours it.
enum class EsTone { Unknown, Quiet, Caution, Alert };

// Unknown before the first readout and after a refresh that did not bring
// a readable page.
EsTone esTone(const ReadoutState& state);

// Quiet green, caution yellow, alert red, unknown pale cyan, as `palette`
// draws them.
ColourValue toneColour(EsTone tone, SignalPalette palette = SignalPalette::Standard);

// Rich text: the status phrase, the page time and the stations' readings.
QString trayToolTip(const ReadoutState& state);
