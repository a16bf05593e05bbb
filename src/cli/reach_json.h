// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/station_reach.h"

#include <QByteArray>

// One line of JSON with the reach of a page: page_time, home (the locator
// or null) and stations in the page's order, each with code, name, lat,
// lon, es (a number or null), bands ("28", "50", "144": open, min_km,
// max_km) and, with a home, from_home (km, path_km, far_end, open).
QByteArray reachJson(const ReachReport& report);
