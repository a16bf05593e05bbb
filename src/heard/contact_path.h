// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/adif_record.h"
#include "heard/call_location.h"
#include "heard/grid_memory.h"
#include "heard/heard_path.h"
#include "heard/reading_timeline.h"

#include <optional>

// A logged contact placed and judged as a heard decode is: where the
// station was, the path from home and its verdict by the page in force at
// the contact's time.
struct ContactPath {
    AdifRecord record;
    std::optional<CallLocation> location;
    std::optional<HeardPath> path; // with a home and a location
};

// Home is `homeLocator` (ESHome), else the record's MY_GRIDSQUARE. The
// record's grid is remembered in `memory` first, so that a later contact
// of the same call without one is placed by it.
ContactPath contactPathOf(const AdifRecord& record, const QString& homeLocator,
                          const CallLocator& locator, GridMemory& memory,
                          const ReadingTimeline& readings);
