// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/heard_activity.h"

#include "heard/dial_band.h"
#include "heard/heard_station.h"
#include "history/heard_record.h"

#include <algorithm>

std::vector<Activity> loggedActivity(const HistoryLog& log, const HeardFilter& filter)
{
    std::vector<Activity> activity;
    for (const HeardRecord& record : log.readHeard(filter)) {
        const HeardStation station = heardStationOf(record);
        if (station.band && station.band->judged)
            activity.push_back({station.time, station.band->mhz, ActivityKind::Decode,
                                station.path ? station.path->verdict : std::nullopt});
    }
    // A run of listening counts in every quarter hour it touches, so that a
    // quiet one on the band counts as heard-nothing.
    for (const ListeningRecord& run : log.readListening(filter)) {
        const std::optional<DialBand> band = bandNamed(run.band);
        if (!band || !band->judged)
            continue;
        QDateTime from = run.from, until = run.until;
        if (filter.since)
            from = std::max(from, *filter.since);
        if (filter.until)
            until = std::min(until, *filter.until);
        for (qint64 t = slotStart(from.toSecsSinceEpoch()); t <= until.toSecsSinceEpoch();
             t += kSlotMinutes * 60)
            activity.push_back(
                {QDateTime::fromSecsSinceEpoch(std::max(t, from.toSecsSinceEpoch()), Qt::UTC),
                 band->mhz, ActivityKind::Status, std::nullopt});
    }
    return activity;
}

SlotCounts decodeSlots(const HistoryLog& log, qint64 from, qint64 to)
{
    SlotCounts counts;
    const HeardFilter filter{QDateTime::fromSecsSinceEpoch(from, Qt::UTC),
                             QDateTime::fromSecsSinceEpoch(to, Qt::UTC),
                             {}};
    for (const HeardRecord& record : log.readHeard(filter)) {
        const std::optional<DialBand> band = bandNamed(record.band);
        const auto b = band ? std::ranges::find(kBandsMHz, band->mhz) : kBandsMHz.end();
        if (b != kBandsMHz.end())
            ++counts[b - kBandsMHz.begin()][slotStart(record.time.toSecsSinceEpoch())];
    }
    return counts;
}
