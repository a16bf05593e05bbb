// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/contact_path.h"
#include "heard/heard_path.h"
#include "heard/reading_timeline.h"
#include "reach/sphere.h"

#include <QDateTime>

#include <optional>
#include <vector>

// How often the Es map was right, counted per quarter hour in which the
// operator was on the band: was a station heard in Es range, and did the
// map say the band was open from home? It measures this simple model, not
// the Es itself.

inline constexpr int kSlotMinutes = 15;

// Something that shows the operator was on a band at a moment.
enum class ActivityKind { Decode, Status, Contact };

struct Activity {
    QDateTime time; // UTC
    int bandMHz = 0;
    ActivityKind kind = ActivityKind::Status;
    // A decode's or contact's verdict; nothing for a Status, or without a path.
    std::optional<Verdict> verdict;
};

// A contact as activity on its band; nothing off the judged bands.
std::optional<Activity> contactActivity(const ContactPath& contact);

// A forecast of "open" against "heard in Es range", one count per slot.
struct Contingency {
    int hits = 0;             // said open, heard
    int misses = 0;           // said closed, heard
    int falseAlarms = 0;      // said open, nothing heard
    int correctNegatives = 0; // said closed, nothing heard

    void count(bool saidOpen, bool heard);
    // hits / (hits + misses): of the slots heard, the share said open.
    std::optional<double> probabilityOfDetection() const;
    // false alarms / (hits + false alarms): of the slots said open, the share not heard.
    std::optional<double> falseAlarmRatio() const;
    // hits / (hits + misses + false alarms).
    std::optional<double> criticalSuccessIndex() const;
};

struct ModelCheck {
    int slotsOnBand = 0;         // quarter hours on the band
    int slotsWithoutReading = 0; // of them, without a page in force: in neither table
    Contingency map;
    // The baseline the map must beat: the slot before heard (a slot off the
    // band counts as not heard) says the next is open.
    Contingency persistence;
    int esRangePaths = 0;    // decodes and contacts heard in Es range
    int pathsCalledOpen = 0; // of them, those whose verdict was open
};

// Whether `reading` had `bandMHz` open at a station a path from home can
// reflect over: Es ≥ openingEs(band) at a station within half the longest
// hop of home.
bool mapSaidOpen(GeoPoint home, const EsReading& reading, int bandMHz);

// `activity` in any order; only `bandMHz`'s counts. Each slot is judged by
// the page in force at its start.
ModelCheck checkModel(const std::vector<Activity>& activity, int bandMHz, GeoPoint home,
                      const ReadingTimeline& readings);
