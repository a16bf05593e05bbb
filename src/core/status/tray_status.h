// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"
#include "core/status/data_age.h"

#include <QString>

#include <optional>

// What the tray icon shows of the readout: pure, so it is tested without
// widgets.

// The Es column's summary as the tray colours it.
enum class EsTone { Unknown, Quiet, Caution, Alert };

// Unknown before the first readout and after a refresh that did not bring
// a readable page.
EsTone esTone(const ReadoutState& state);

// The Es summary as the window shows it: the last readable page's level,
// kept through failed refreshes (dimmed once stale); Unknown before the
// first page.
EsTone trayTone(const ReadoutState& state);

// Quiet green, caution yellow, alert red, unknown pale cyan, as `palette`
// draws them.
ColourValue toneColour(EsTone tone, SignalPalette palette = SignalPalette::Standard);

// Rich text: the Es state in words, the status line, whether the last
// refresh failed and how old stale data is, and the stations' readings.
QString trayToolTip(const ReadoutState& state, const std::optional<DataAge>& age = {});
