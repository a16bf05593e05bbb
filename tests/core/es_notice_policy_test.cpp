// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/status/data_age.h"
#include "core/status/es_notice_policy.h"
#include "core/status/notice_memory.h"
#include "support/named_case.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using std::chrono::minutes;

namespace {

// One refresh: when it ended and the Es level it left; 0 is a refresh that
// brought no readable page.
struct Step {
    int minute;
    int level;
};

struct SequenceCase {
    const char* name;
    std::vector<Step> steps;
    // Per step: '-' nothing, 'C' caution, 'A' alert, 'S' stale data.
    const char* notices;
    int cooldownMinutes = 30;
};
ONDREL_NAMED_CASE(SequenceCase)

ReadoutState readout(int level)
{
    ReadoutState state;
    state.headerOpaque = level == 0;
    state.SummaryLevel = {2, 5, level};
    state.statusItem = QStringLiteral("page of level %1").arg(level);
    return state;
}

char kindOf(const std::optional<EsNotice>& notice)
{
    if (!notice)
        return '-';
    if (notice->title == QStringLiteral("Es 注意"))
        return 'C';
    if (notice->title == QStringLiteral("Es 警報"))
        return 'A';
    return notice->title.contains(QStringLiteral("古く")) ? 'S' : '?';
}

class SequenceTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(SequenceTest, NoticesFollowTheLevelAndTheClock)
{
    EsNoticePolicy policy;
    policy.cooldown = minutes(GetParam().cooldownMinutes);
    std::string seen;
    for (const Step& step : GetParam().steps)
        seen += kindOf(policy.afterRefresh(readout(step.level), minutes(step.minute)));
    EXPECT_EQ(seen, GetParam().notices);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, SequenceTest,
    testing::Values(
        SequenceCase{"QuietStaysSilent", {{0, 8}, {3, 8}, {6, 8}}, "---"},
        SequenceCase{"RiseToCautionOnce", {{0, 8}, {3, 9}, {6, 9}}, "-C-"},
        SequenceCase{"QuietToAlert", {{0, 8}, {3, 10}}, "-A"},
        SequenceCase{"CautionThenAlert", {{0, 8}, {3, 9}, {6, 10}}, "-CA"},
        SequenceCase{"FirstPageAlreadyRaised", {{0, 9}}, "C"},
        SequenceCase{"FlickerWithinCooldown", {{0, 8}, {3, 9}, {6, 8}, {9, 9}}, "-C--"},
        SequenceCase{"RiseAgainAfterCooldown", {{0, 8}, {3, 9}, {20, 8}, {34, 9}}, "-C-C"},
        SequenceCase{
            "RiseJustAsTheCooldownEnds", {{0, 9}, {10, 8}, {29, 9}, {30, 8}, {30, 9}}, "C---C"},
        SequenceCase{"CooldownIsPerLevel", {{0, 9}, {3, 8}, {6, 10}, {9, 8}, {12, 10}}, "C-A--"},
        SequenceCase{"FailedRefreshIsNoFall", {{0, 9}, {3, 0}, {6, 9}}, "C--"},
        SequenceCase{
            "StaleAfterAlert", {{0, 10}, {3, 0}, {30, 0}, {48, 0}, {49, 0}, {60, 0}}, "A---S-"},
        SequenceCase{"NoStaleWithoutAlert", {{0, 9}, {3, 0}, {60, 0}}, "C--"},
        SequenceCase{"StaleAgainAfterRecovery",
                     {{0, 10}, {3, 0}, {50, 0}, {55, 10}, {58, 0}, {104, 0}},
                     "A-S--S"},
        SequenceCase{"ZeroCooldown", {{0, 9}, {1, 8}, {2, 9}}, "C-C", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EsNotice, NamesTheStationsAtTheNewLevelAndLaterTheLastPage)
{
    ReadoutState state = readout(10);
    const char* signalNames[] = {"GREEN", "BLINK-YELLOW", "BLINK-RED", "BLINK-RED"};
    for (int k = 0; k < kStationCount; ++k) {
        state.readings[k].esSignal = QLatin1String(signalNames[k]);
        state.cells[k * 3 + 2].caption = QStringLiteral("%1.5").arg(k + 8);
    }
    EsNoticePolicy policy;
    const auto rise = policy.afterRefresh(state, minutes(0));
    ASSERT_TRUE(rise);
    EXPECT_TRUE(rise->urgent);
    EXPECT_EQ(rise->body, QStringLiteral("山川 Es 10.5 MHz、大宜味 Es 11.5 MHz\npage of level 10"));
    policy.afterRefresh(readout(0), minutes(1));
    const auto stale = policy.afterRefresh(readout(0), minutes(47));
    ASSERT_TRUE(stale);
    EXPECT_TRUE(stale->body.endsWith(QStringLiteral("page of level 10")));
}

TEST(EsNotice, SwitchedOffFollowsLevelsSilently)
{
    EsNoticePolicy policy;
    policy.enabled = false;
    EXPECT_FALSE(policy.afterRefresh(readout(9), minutes(0)));
    policy.enabled = true;
    EXPECT_FALSE(policy.afterRefresh(readout(9), minutes(3)));
    EXPECT_EQ(kindOf(policy.afterRefresh(readout(10), minutes(6))), 'A');
}

// What a restart keeps: the page told of last and each level's cool-down,
// written and read back through the file.
TEST(EsNotice, MemoryOutlivesARestart)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state/notified"));
    ReadoutState page = readout(9);
    page.AlertTime = QStringLiteral("2026/12/07\n10:15 JST");
    EsNoticePolicy before;
    ASSERT_TRUE(before.afterRefresh(page, minutes(0)));
    EXPECT_EQ(before.bandsToTell({50}, page.AlertTime, minutes(1)), std::vector{50});
    EXPECT_EQ(saveNoticeMemory(path, before.memory()), QString());

    EsNoticePolicy after;
    after.restore(loadNoticeMemory(path));
    EXPECT_EQ(after.memory(), before.memory());
    EXPECT_FALSE(after.afterRefresh(page, minutes(5))) << "the same page";
    EXPECT_FALSE(after.afterRefresh(readout(8), minutes(6)));
    page.AlertTime = QStringLiteral("2026/12/07 10:18 JST");
    EXPECT_FALSE(after.afterRefresh(page, minutes(10))) << "within the cool-down";
    EXPECT_FALSE(after.afterRefresh(readout(8), minutes(30)));
    page.AlertTime = QStringLiteral("2026/12/07 10:33 JST");
    EXPECT_TRUE(after.afterRefresh(page, minutes(31)));
    EXPECT_TRUE(loadNoticeMemory(dir.filePath(QStringLiteral("none"))).pageTime.isEmpty());
}

// A notice that reached nobody is told again by the next refresh, a band's
// opening too; once one reached the user it is not told again.
TEST(EsNotice, UndeliveredIsToldAgainDeliveredNever)
{
    ReadoutState page = readout(9);
    page.AlertTime = QStringLiteral("2026/12/07 10:15 JST");
    EsNoticePolicy policy;
    for (const int minute : {0, 3}) {
        ASSERT_EQ(kindOf(policy.afterRefresh(page, minutes(minute))), 'C') << minute;
        EXPECT_EQ(policy.bandsToTell({50}, page.AlertTime, minutes(minute)), std::vector{50});
        policy.undelivered();
        EXPECT_EQ(policy.memory(), EsNoticePolicy::Memory());
    }
    ASSERT_TRUE(policy.afterRefresh(page, minutes(6)));
    EXPECT_EQ(policy.bandsToTell({50}, page.AlertTime, minutes(6)), std::vector{50});
    EXPECT_EQ(policy.memory().pageTime, page.AlertTime);
    EXPECT_FALSE(policy.afterRefresh(page, minutes(9)));
    EXPECT_TRUE(policy.bandsToTell({50}, page.AlertTime, minutes(9)).empty());

    policy.afterRefresh(readout(10), minutes(40));
    policy.afterRefresh(readout(0), minutes(41));
    ASSERT_EQ(kindOf(policy.afterRefresh(readout(0), minutes(87))), 'S');
    policy.undelivered();
    EXPECT_EQ(kindOf(policy.afterRefresh(readout(0), minutes(90))), 'S');
    EXPECT_FALSE(policy.afterRefresh(readout(0), minutes(93)));
}

struct AgeCase {
    const char* name;
    const char* pageTime;
    int arrivedMinutesAgo; // -1: no page yet
    std::optional<qint64> minutes;
    bool stale;
};
ONDREL_NAMED_CASE(AgeCase)

class DataAgeTest : public testing::TestWithParam<AgeCase> {};

TEST_P(DataAgeTest, StaleAfterFortyFiveMinutes)
{
    const QDateTime now(QDate(2026, 12, 7), QTime(2, 0), Qt::UTC); // 11:00 JST
    ReadoutState state;
    state.AlertTime = QString::fromUtf8(GetParam().pageTime);
    if (GetParam().arrivedMinutesAgo >= 0)
        state.pageArrivedUtc = now.addSecs(-60 * GetParam().arrivedMinutesAgo);
    const std::optional<DataAge> age = dataAge(state, now);
    ASSERT_EQ(age.has_value(), GetParam().minutes.has_value());
    if (age) {
        EXPECT_EQ(age->minutes, *GetParam().minutes);
        EXPECT_EQ(age->stale, GetParam().stale);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ages, DataAgeTest,
    testing::Values(AgeCase{"NoPageYet", "", -1, std::nullopt, false},
                    AgeCase{"FreshPage", "2026/12/07 10:45 JST", 1, 15, false},
                    AgeCase{"JustFortyFive", "2026/12/07 10:15 JST", 1, 45, false},
                    AgeCase{"OldPageJustFetched", "2026/12/06 10:15 JST", 0, 1485, true},
                    AgeCase{"NothingReadableForAnHour", "2026/12/07 10:58 JST", 60, 2, true},
                    AgeCase{"UnreadableTimeCountsFromArrival", "?", 50, 50, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
