// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"

#include <QString>

// The readout's texts as the interface language shows them. The state keeps
// the Japanese texts, which code compares and scripts read; these translate
// them on their way to the screen (unchanged while no translator is
// installed). Texts the page gave, its time stamp and values, stay as given.

// A fixed text that a field holds: a status phrase, a summary mark, a
// status item, a delay note. Any other text comes back as it is.
QString shownText(const QString& text);

// The status line `fmcls`: the page's time with its suffix, or a fixed item.
QString shownStatusItem(const ReadoutState& state);

// The window caption: the status phrase with its countdown, or a fixed text.
QString shownCaption(const ReadoutState& state);

// The Es state in words: the status phrase, except that the alert's,
// "Ondrel", says "Es 警報". For what the tray, notifications and screen
// readers say; the caption keeps the phrase.
QString levelPhrase(const ReadoutState& state);

// The window caption as a screen reader says it: with levelPhrase.
QString spokenCaption(const ReadoutState& state);

// The caption of grid cell `index`: page values as given, summary marks
// translated.
QString shownCellCaption(const ReadoutState& state, int index);
