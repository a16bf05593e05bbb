// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/model_check.h"
#include "history/band_activity.h"
#include "history/history_log.h"

#include <vector>

// What the history log says of the operator being on the air: each decode
// heard (with its verdict) and each quarter hour a client was listening on
// a band, for the model check; decodes per quarter hour for the chart.

// Decodes and listening within `filter` on the judged bands.
std::vector<Activity> loggedActivity(const HistoryLog& log, const HeardFilter& filter);

// Decodes from `from` to `to` (seconds since the epoch), per band of
// kBandsMHz and quarter hour.
SlotCounts decodeSlots(const HistoryLog& log, qint64 from, qint64 to);
