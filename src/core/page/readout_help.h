// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"

#include <QString>

// The texts the readout's mouse handlers show, built from the state the
// last refresh left. Steps cut with Find/Mid throw ProcedureFailure.

// A message box's text and title.
struct MessageText {
    QString text;
    QString title;
};

// Tooltip of grid cell `index` (0..14) for its current caption; empty for
// the summary row.
QString cellTooltip(const ReadoutState& state, int index);

// The reading of station cell `index` (0..11), cut from the station's
// detail text; its title carries the delay note.
MessageText stationMessage(const ReadoutState& state, int index);

// `message` as a box shows it: the page's HTML entities read as the
// characters they stand for, and no line break in the title (a box title
// cannot show one).
MessageText asShown(MessageText message);

// `text` with the entities the page uses decoded: &NBSP; &AMP; &LT; &GT;
// &QUOT; &APOS; in any case, &#NNN; and &#xHH;. A non-breaking space
// becomes a plain one; anything else that starts with "&" stays as it is.
QString decodeEntities(const QString& text);

// The header's short explanation.
MessageText helpMessage();

// What the readout's colours in `palette` and the summary row's marks
// mean, for the help box after its own text; CR LF between lines.
QString readoutLegendText(SignalPalette palette);

// Hint of the summary row's heading `Label3(4)`.
QString summaryHeadingHint();
