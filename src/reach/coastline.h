// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/sphere.h"

#include <QByteArray>

#include <optional>
#include <vector>

// Land and shore around Japan, 112–164° E and 16–56° N, from Natural
// Earth's 1:50m data (public domain; scripts/coastline-data makes the
// resource from Debian's r-cran-rnaturalearthdata).
struct Coastline {
    std::vector<std::vector<GeoPoint>> land;  // closed rings, cut at the box
    std::vector<std::vector<GeoPoint>> shore; // lines
};

// The program's coastline, read from its resources the first time it is
// asked for and kept from then on; empty if the resource cannot be read.
const Coastline& coastline();

// The resource's format (see scripts/coastline-data); nothing when the
// bytes do not hold exactly that.
std::optional<Coastline> decodeCoastline(const QByteArray& bytes);
