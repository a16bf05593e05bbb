// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/refresh/schedule.h"

namespace {

constexpr int kQuarterHour = 900;

int quarterOf(int secondOfHour)
{
    return secondOfHour / kQuarterHour;
}

} // namespace

int quarterHourPhase(int minute, int second, int period)
{
    return ((minute % 15) * 60 + second) % period;
}

int fullHourPhase(int minute, int second, int period)
{
    return (minute * 60 + second) % period;
}

QString countdownCaption(const QString& phrase, int secondsLeft)
{
    return QStringLiteral("%1 %2:%3")
        .arg(phrase)
        .arg(secondsLeft / 60)
        .arg(secondsLeft % 60, 2, 10, QLatin1Char('0'));
}

TickOutcome advanceTick(int& elapsed, int& lastTickSecond, int period, const QString& phrase,
                        int minute, int second)
{
    const int secondOfHour = minute * 60 + second;
    // A new quarter hour began at this tick or, for a tick that came late
    // and skipped its first second, since the last one.
    const bool quarterBegan =
        secondOfHour % kQuarterHour == 0 || quarterOf(secondOfHour) != quarterOf(lastTickSecond);
    lastTickSecond = secondOfHour;

    TickOutcome outcome;
    if (quarterBegan) {
        elapsed = 0;
        outcome.reloadDue = period >= kMaxPeriod;
    } else {
        elapsed += 1;
    }
    outcome.caption = countdownCaption(phrase, period - elapsed);
    if (elapsed >= period)
        outcome.reloadDue = true;
    return outcome;
}

void ReloadCountdown::start(QTime now)
{
    m_elapsed = quarterHourPhase(now.minute(), now.second(), m_period);
    m_lastTickSecond = now.minute() * 60 + now.second();
}

TickOutcome ReloadCountdown::tick(QTime now, const QString& phrase)
{
    return advanceTick(m_elapsed, m_lastTickSecond, m_period, phrase, now.minute(), now.second());
}
