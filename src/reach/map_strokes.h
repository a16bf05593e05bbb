// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPen>

class QPainter;
class QPainterPath;
class QPolygonF;

// How the Es map draws its marks, in one place so that the legend's
// samples are drawn by the same strokes as the map. `unit` is the map's
// text height in pixels.

// The colour of band `band` (0 for 28 MHz, 1 for 50, 2 for 144) on the
// map, its legend and the history chart: blue, orange and purple, apart
// for colour-blind eyes and from the readout's level colours in either
// palette.
QColor bandColour(int band);

// A band's zone of path ends, lightly filled.
void fillBandZone(QPainter& painter, const QPainterPath& zone, int band);
// The inner edge of a band's ring: its skip.
QPen skipPen(int band, double unit);
// The dashed outer edge: the longest hop.
QPen hopPen(double unit);
// How strongly the area open from home tints what lies under it.
inline constexpr double kOpenAreaOpacity = 0.38;
