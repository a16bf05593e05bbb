// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"
#include "reach/heard_marks.h"
#include "reach/station_reach.h"

#include <QColor>

#include <vector>

class QPainter;
class QRectF;

// Paints the Es map of `report` into `area` on whatever `painter` paints
// (a widget, an image), at any size: land and shore, the four stations as
// discs in their Es level's colour in `palette` with their Es, around each
// one for every band its cloud carries the ring where path ends lie
// (D_skip/2 to D_max/2), with a home the area where a path from it is
// open on each band, the stations `heard` on the air and worked (contact
// marks among them), the page time and a legend. Texts in the interface
// language.
void paintReachMap(QPainter& painter, const QRectF& area, const ReachReport& report,
                   SignalPalette palette, const std::vector<HeardMark>& heard = {});
