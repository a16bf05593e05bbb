// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/band_activity.h"

#include "heard/model_check.h"

#include <algorithm>

qint64 slotStart(qint64 t)
{
    constexpr qint64 slotSeconds = kSlotMinutes * 60;
    return t - ((t % slotSeconds) + slotSeconds) % slotSeconds;
}

SlotCounts contactSlots(const std::vector<AdifRecord>& contacts, qint64 from, qint64 to)
{
    SlotCounts counts;
    for (const AdifRecord& record : contacts) {
        const qint64 t = record.time.toSecsSinceEpoch();
        const auto band = std::find(kBandsMHz.begin(), kBandsMHz.end(), record.bandMHz.value_or(0));
        if (t >= from && t <= to && band != kBandsMHz.end())
            ++counts[band - kBandsMHz.begin()][slotStart(t)];
    }
    return counts;
}
