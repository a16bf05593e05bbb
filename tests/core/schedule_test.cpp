// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/refresh/schedule.h"

#include "support/named_case.h"

#include <QTime>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Starts the count at `start` as start-up does and ticks once a second for
// `seconds`, skipping the ticks listed; returns the moments of reload.
std::vector<QTime> reloads(QTime start, int period, int seconds, std::vector<QTime> skipped = {})
{
    int elapsed = quarterHourPhase(start.minute(), start.second(), period);
    int last = start.minute() * 60 + start.second();
    std::vector<QTime> moments;
    for (int s = 1; s <= seconds; ++s) {
        const QTime now = start.addSecs(s);
        if (std::find(skipped.begin(), skipped.end(), now) != skipped.end())
            continue;
        if (advanceTick(elapsed, last, period, QString(), now.minute(), now.second()).reloadDue) {
            moments.push_back(now);
            elapsed = 0;
        }
    }
    return moments;
}

struct ScheduleCase {
    const char* name;
    QTime start;
    int period;
    int seconds;
    std::vector<QTime> expected;
};
ONDREL_NAMED_CASE(ScheduleCase)

class ScheduleTest : public testing::TestWithParam<ScheduleCase> {};

TEST_P(ScheduleTest, ReloadsFallWhereTheScheduleSays)
{
    const ScheduleCase& c = GetParam();
    EXPECT_EQ(reloads(c.start, c.period, c.seconds), c.expected);
}

std::vector<QTime> every(QTime first, int stepSeconds, int count)
{
    std::vector<QTime> times;
    for (int i = 0; i < count; ++i)
        times.push_back(first.addSecs(i * stepSeconds));
    return times;
}

std::vector<QTime> quarterPattern(QTime hour, int period)
{
    std::vector<QTime> times;
    for (int quarter = 0; quarter < 4; ++quarter) {
        for (int at = period; at < 900; at += period)
            times.push_back(hour.addSecs(quarter * 900 + at));
    }
    return times;
}

INSTANTIATE_TEST_SUITE_P(
    Periods, ScheduleTest,
    testing::Values(
        ScheduleCase{"Period180From100730",
                     QTime(10, 7, 30),
                     180,
                     660,
                     {QTime(10, 9), QTime(10, 12), QTime(10, 18)}},
        ScheduleCase{"Period420From105210", QTime(10, 52, 10), 420, 420, {QTime(10, 59)}},
        ScheduleCase{"Period420Hour", QTime(10, 0), 420, 3600, quarterPattern(QTime(10, 0), 420)},
        ScheduleCase{"Period180Hour", QTime(10, 0), 180, 3600, quarterPattern(QTime(10, 0), 180)},
        ScheduleCase{"Period60Hour", QTime(10, 0), 60, 3600, quarterPattern(QTime(10, 0), 60)},
        ScheduleCase{"Period900OncePerQuarterAtTheQuarter", QTime(10, 0, 1), 900, 3600,
                     every(QTime(10, 15), 900, 4)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Schedule, HourHasSixteenReloadsAtPeriod180AndFourteenPerQuarterAt60)
{
    EXPECT_EQ(reloads(QTime(10, 0), 180, 3600).size(), 16u);
    EXPECT_EQ(reloads(QTime(10, 0), 60, 900).size(), 14u);
}

TEST(Schedule, LateTickStillRestartsTheCountAfterAQuarterHour)
{
    const auto moments = reloads(QTime(10, 14, 0), 180, 400, {QTime(10, 15, 0)});
    ASSERT_FALSE(moments.empty());
    EXPECT_EQ(moments.front(), QTime(10, 18, 1));
}

TEST(Schedule, CaptionCountsDown)
{
    int elapsed = quarterHourPhase(7, 30, 180);
    EXPECT_EQ(elapsed, 90);
    int last = 7 * 60 + 30;
    EXPECT_EQ(advanceTick(elapsed, last, 180, QStringLiteral("静穏状態"), 7, 31).caption,
              QStringLiteral("静穏状態 1:29"));
    EXPECT_EQ(advanceTick(elapsed, last, 180, QString(), 7, 32).caption, QStringLiteral(" 1:28"));

    elapsed = 899;
    last = 14 * 60 + 59;
    const TickOutcome quarter = advanceTick(elapsed, last, 180, QStringLiteral("Es 注意"), 15, 0);
    EXPECT_EQ(quarter.caption, QStringLiteral("Es 注意 3:00"));
    EXPECT_FALSE(quarter.reloadDue);
}

TEST(Schedule, ReloadTickShowsZero)
{
    int elapsed = 179;
    int last = 8 * 60 + 59;
    const TickOutcome tick = advanceTick(elapsed, last, 180, QStringLiteral("P"), 9, 0);
    EXPECT_TRUE(tick.reloadDue);
    EXPECT_EQ(tick.caption, QStringLiteral("P 0:00"));
}

TEST(Schedule, PhasesAtStartUpAndForANewPeriod)
{
    EXPECT_EQ(quarterHourPhase(52, 10, 420), 10);
    EXPECT_EQ(fullHourPhase(20, 30, 180), 150);
    EXPECT_EQ(fullHourPhase(20, 0, 105), 45);
    EXPECT_EQ(quarterHourPhase(20, 0, 105), 90);
    EXPECT_EQ(countdownCaption(QStringLiteral("x"), 900), QStringLiteral("x 15:00"));
}

} // namespace
