// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/signal_indicator.h"

#include <QString>

// The words the window says to screen readers, all in one place and all
// through QCoreApplication::translate (context "Accessibility"), so that a
// translation can take them over.

// "静穏", "注意", "警報" or "データなし".
QString levelWord(CellLevel level);

// A station cell as heard: "稚内 Es 8.1 MHz 警報", or "稚内 Es データなし".
QString stationCellName(int station, int column, const QString& value, CellLevel level);

// A summary cell as heard: the column's worst level, "全局 Es 警報".
QString summaryCellName(int column, CellLevel level);

// The row heading `Label3`(heading), 0..4: whose ionograms it opens.
QString headingName(int heading);

// `Label6` "Ref".
QString reloadNowName();

// Buttons whose captions say little when spoken.
QString backButtonName();
QString forwardButtonName();
QString setButtonName();
QString cancelButtonName();
// The period editor's scroll bar.
QString periodScrollName();
