// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"
#include "reach/station_reach.h"

class QPainter;
class QRectF;

// What the Es map window shows, as one picture for a file: the map of
// `report` (paintReachMap) and under it the band lines and the paths from
// home (bandLines, homePathLines), all inside `area`.
void paintReachPicture(QPainter& painter, const QRectF& area, const ReachReport& report,
                       SignalPalette palette);
