// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/model_check.h"

#include "core/text/number_text.h"
#include "reach/ionosondes.h"
#include "reach/mirror_model.h"
#include "reach/path_judgement.h"

#include <QTimeZone>

#include <map>

namespace {

std::optional<double> share(int part, int whole)
{
    return whole > 0 ? std::optional<double>(static_cast<double>(part) / whole) : std::nullopt;
}

constexpr qint64 kSlotSeconds = kSlotMinutes * 60;

qint64 slotOf(const QDateTime& utc)
{
    return utc.toSecsSinceEpoch() / kSlotSeconds;
}

} // namespace

std::optional<Activity> contactActivity(const ContactPath& contact)
{
    const AdifRecord& record = contact.record;
    if (!record.bandMHz)
        return std::nullopt;
    return Activity{record.time, *record.bandMHz, ActivityKind::Contact,
                    contact.path ? contact.path->verdict : std::nullopt};
}

void Contingency::count(bool saidOpen, bool heard)
{
    ++(saidOpen ? (heard ? hits : falseAlarms) : (heard ? misses : correctNegatives));
}

std::optional<double> Contingency::probabilityOfDetection() const
{
    return share(hits, hits + misses);
}

std::optional<double> Contingency::falseAlarmRatio() const
{
    return share(falseAlarms, hits + falseAlarms);
}

std::optional<double> Contingency::criticalSuccessIndex() const
{
    return share(hits, hits + misses + falseAlarms);
}

bool mapSaidOpen(GeoPoint home, const EsReading& reading, int bandMHz)
{
    const double needed = openingEs(bandMHz);
    for (int k = 0; k < kStationCount; ++k) {
        const std::optional<double> es = readingNumber(reading.es[k]);
        if (es && esCarries(*es, needed) && distanceKm(home, kIonosondes[k]) <= maxHopKm() / 2)
            return true;
    }
    return false;
}

ModelCheck checkModel(const std::vector<Activity>& activity, int bandMHz, GeoPoint home,
                      const ReadingTimeline& readings)
{
    ModelCheck check;
    std::map<qint64, bool> heardInSlot; // the slots on the band, in order
    for (const Activity& event : activity) {
        if (event.bandMHz != bandMHz)
            continue;
        const bool inRange = event.verdict && esRangeVerdict(*event.verdict);
        heardInSlot[slotOf(event.time)] |= inRange;
        if (inRange) {
            ++check.esRangePaths;
            check.pathsCalledOpen += *event.verdict == Verdict::Open;
        }
    }
    check.slotsOnBand = static_cast<int>(heardInSlot.size());
    for (const auto& [slot, heard] : heardInSlot) {
        const EsReading* reading =
            readings.at(QDateTime::fromSecsSinceEpoch(slot * kSlotSeconds, QTimeZone::utc()));
        if (!reading) {
            ++check.slotsWithoutReading;
            continue;
        }
        const auto before = heardInSlot.find(slot - 1);
        check.map.count(mapSaidOpen(home, *reading, bandMHz), heard);
        check.persistence.count(before != heardInSlot.end() && before->second, heard);
    }
    return check;
}
