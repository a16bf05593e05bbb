// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/station_reach.h"

#include <QString>

#include <vector>

// Whether each band is open with a page's reach: some station's cloud
// carries it, or, with a home, a path from home (its open area).
std::array<bool, kBandCount> openBands(const ReachReport& report);

// Follows the bands from refresh to refresh and tells which opened: open
// now and not at the refresh before (the first page counts against all
// closed, so a start during an opening tells it).
class BandOpenings {
public:
    // The bands among `watched` (MHz) that opened with `report`.
    std::vector<int> opened(const ReachReport& report, const std::vector<int>& watched);
    // `bands` (MHz) count as closed again: their opening did not reach the
    // user, so the next refresh that finds them open tells it.
    void forget(const std::vector<int>& bands);

private:
    std::array<bool, kBandCount> m_open{};
};

// "50 MHz が開きました" for the bands that opened, "28・50 MHz が開きました".
QString bandOpeningText(const std::vector<int>& bands);
