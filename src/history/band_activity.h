// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/adif_record.h"
#include "reach/mirror_model.h"

#include <array>
#include <map>
#include <vector>

// How busy each band was, per quarter hour: what the history chart draws
// under the Es curves. Per band of kBandsMHz, the start of each slot
// (seconds since the epoch, UTC) with something in it → how many.
using SlotCounts = std::array<std::map<qint64, int>, kBandCount>;

struct BandActivity {
    SlotCounts contacts;
    SlotCounts decodes; // stations heard, from the history log once it keeps them
};

// The start of the quarter hour `t` (seconds since the epoch) falls in.
qint64 slotStart(qint64 t);

// The contacts from `from` to `to` (seconds since the epoch) on the bands
// of kBandsMHz, per slot.
SlotCounts contactSlots(const std::vector<AdifRecord>& contacts, qint64 from, qint64 to);
