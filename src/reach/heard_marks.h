// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/sphere.h"

#include <QPointF>
#include <QRectF>

#include <cstddef>
#include <optional>
#include <vector>

class QPainter;
class MapProjection;

// A station heard on the air, or worked (a contact of the log), as the
// map draws it.
struct HeardMark {
    GeoPoint at;
    GeoPoint midpoint;        // where its path from home reflects
    int band = -1;            // in kBandsMHz's order; -1 for a band the reach does not take
    bool approximate = false; // placed by call area or prefix, not by grid
    double age01 = 0;         // 0 just heard, 1 the oldest shown
    bool contact = false;     // a contact: a filled square that does not fade
};

// Small marks in the band's colour, hollow when approximate, fading with
// age, contacts as squares; with `home` a thin line from it through the midpoint, marked.
// `unit`: the map's text height in pixels.
void paintHeardMarks(QPainter& painter, const MapProjection& projection,
                     const std::optional<GeoPoint>& home, const std::vector<HeardMark>& marks,
                     double unit);

// The mark nearest `point` on the map of `area` (paintReachMap's), within
// a few pixels; the newest among marks on one spot.
std::optional<std::size_t> heardMarkAt(const QRectF& area, const std::vector<HeardMark>& marks,
                                       QPointF point);
