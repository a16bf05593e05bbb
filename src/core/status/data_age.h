// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"

#include <QDateTime>

#include <chrono>
#include <optional>

// When the readout shows old data as old: its colours dimmed, its age told.

// Older than this, data is stale.
inline constexpr std::chrono::minutes kStaleAfter{45};

struct DataAge {
    // Minutes since the page's time stamp (JST), or since the page came
    // when its time cannot be read.
    qint64 minutes = 0;
    // The page's time is more than kStaleAfter old, or no readable page
    // has come for that long.
    bool stale = false;
};

// The readout's age at `nowUtc`; nothing before the first page.
std::optional<DataAge> dataAge(const ReadoutState& readout, const QDateTime& nowUtc);

// "データは 62 分前のものです" (past two hours in hours, past two days in
// days): the age as the status line's tooltip says it.
QString dataAgeText(const DataAge& age);
