// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/station_reach.h"

#include <QString>
#include <QStringList>

// The reach in words, in the interface language: the same lines under the
// map, in the tray's tooltip and in notifications.

// One line per band, "50 MHz: 国 1,418–2,298 km": each station whose cloud
// carries the band, in the grid's order, with its own range ("28 MHz:
// 国 584–2,298 km, 鹿 207–2,298 km"); 不通 ("closed") when none does.
QStringList bandLines(const ReachReport& report);

// With a home, one line per band open from it (openAreaLine), or one line
// saying no path is; nothing without a home.
QStringList homePathLines(const ReachReport& report);

// Whole kilometres with thousands separated by commas, "1,418".
QString kmText(int km);
