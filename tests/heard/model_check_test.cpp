// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/model_check.h"
#include "reach/maidenhead.h"

#include <gtest/gtest.h>

namespace {

const GeoPoint kTokyo = *locatorCentre(QStringLiteral("PM95vq"));

EsReading pageAt(const char* jst, std::array<const char*, kStationCount> es)
{
    EsReading r;
    r.pageTime = QString::fromLatin1(jst);
    for (int k = 0; k < kStationCount; ++k)
        r.es[k] = QString::fromLatin1(es[k]);
    return r;
}

Activity at(const char* utc, int bandMHz, ActivityKind kind, std::optional<Verdict> verdict)
{
    return {QDateTime::fromString(QString::fromLatin1(utc), Qt::ISODate), bandMHz, kind, verdict};
}

// 6 m opens at 8.97 MHz; from Tokyo 稚 (1,039 km), 国 and 山 stand within
// half a hop (1,149 km), 沖 (1,509 km) does not.
TEST(ModelCheck, MapSaidOpenFromHome)
{
    const std::pair<std::array<const char*, kStationCount>, bool> cases[] = {
        {{"3.0", "10.0", "3.0", "3.0"}, true},
        {{"9.0", "?", "3.0", "3.0"}, true},
        {{"3.0", "8.9", "3.0", "3.0"}, false},
        {{"3.0", "3.0", "3.0", "20.0"}, false},
    };
    for (const auto& [es, open] : cases)
        EXPECT_EQ(mapSaidOpen(kTokyo, pageAt("2026/06/14 10:00", es), 50), open) << es[0];
}

// Pages (JST) with 国 open at 10:00, 10:15 and 11:00, closed at 10:30 and
// 10:45. Slots on 6 m (UTC), by hand:
//   01:00 contact open           heard;   map open → hit;    persistence closed → miss
//   01:15 status only            nothing; map open → FA;     persistence open → FA
//   01:30 decode closed + short  heard;   map closed → miss; persistence closed → miss
//   01:45 decode far             nothing; map closed → CN;   persistence open → FA
//   02:00 decode no-reading      heard;   map open → hit;    persistence closed → miss
//   02:45 contact open           no page in force (50 min old): in neither table
// Map: 2 hits, 1 miss, 1 FA, 1 CN: POD 2/3, FAR 1/3, CSI 2/4.
// Persistence: 0 hits, 3 misses, 2 FA, 0 CN: POD 0, FAR 1, CSI 0.
// Es-range paths: open, closed, no-reading, open = 4, 2 called open.
// The 10 m contact counts nowhere.
TEST(ModelCheck, HandCountedTable)
{
    ReadingTimeline readings;
    const char* open[] = {"3.0", "10.0", "3.0", "3.0"};
    const char* closed[] = {"3.0", "5.0", "3.0", "3.0"};
    for (const auto& [jst, es] : {std::pair{"2026/06/14 10:00", open},
                                  {"2026/06/14 10:15", open},
                                  {"2026/06/14 10:30", closed},
                                  {"2026/06/14 10:45", closed},
                                  {"2026/06/14 11:00", open}})
        readings.add(pageAt(jst, {es[0], es[1], es[2], es[3]}));
    const std::vector<Activity> activity = {
        at("2026-06-14T02:50:00Z", 50, ActivityKind::Contact, Verdict::Open),
        at("2026-06-14T01:02:00Z", 50, ActivityKind::Contact, Verdict::Open),
        at("2026-06-14T01:10:00Z", 28, ActivityKind::Contact, Verdict::Open),
        at("2026-06-14T01:20:00Z", 50, ActivityKind::Status, std::nullopt),
        at("2026-06-14T01:33:00Z", 50, ActivityKind::Decode, Verdict::Closed),
        at("2026-06-14T01:40:00Z", 50, ActivityKind::Decode, Verdict::Short),
        at("2026-06-14T01:50:00Z", 50, ActivityKind::Decode, Verdict::Far),
        at("2026-06-14T02:05:00Z", 50, ActivityKind::Decode, Verdict::NoReading),
    };
    const ModelCheck check = checkModel(activity, 50, kTokyo, readings);
    EXPECT_EQ(check.slotsOnBand, 6);
    EXPECT_EQ(check.slotsWithoutReading, 1);
    const auto table = [](const Contingency& c) {
        return std::array{c.hits, c.misses, c.falseAlarms, c.correctNegatives};
    };
    EXPECT_EQ(table(check.map), (std::array{2, 1, 1, 1}));
    EXPECT_EQ(table(check.persistence), (std::array{0, 3, 2, 0}));
    EXPECT_DOUBLE_EQ(*check.map.probabilityOfDetection(), 2.0 / 3);
    EXPECT_DOUBLE_EQ(*check.map.falseAlarmRatio(), 1.0 / 3);
    EXPECT_DOUBLE_EQ(*check.map.criticalSuccessIndex(), 0.5);
    EXPECT_DOUBLE_EQ(*check.persistence.probabilityOfDetection(), 0);
    EXPECT_DOUBLE_EQ(*check.persistence.falseAlarmRatio(), 1);
    EXPECT_DOUBLE_EQ(*check.persistence.criticalSuccessIndex(), 0);
    EXPECT_EQ(check.esRangePaths, 4);
    EXPECT_EQ(check.pathsCalledOpen, 2);
    EXPECT_FALSE(Contingency{}.probabilityOfDetection().has_value());
}

} // namespace
