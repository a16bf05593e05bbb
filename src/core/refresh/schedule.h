// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTime>

// The arithmetic of the reload schedule: reloads every `period` seconds,
// counted afresh from each quarter hour (hh:00, hh:15, hh:30, hh:45).

inline constexpr int kMinPeriod = 60;
inline constexpr int kMaxPeriod = 900;
inline constexpr int kDefaultPeriod = 180;

// Seconds since the last quarter hour, modulo the period (start-up).
int quarterHourPhase(int minute, int second, int period);

// Seconds since the full hour, modulo the period (a newly set period).
int fullHourPhase(int minute, int second, int period);

// The caption during the countdown: the phrase, a blank, and the time left
// as m:ss.
QString countdownCaption(const QString& phrase, int secondsLeft);

// One tick of the one-second timer.
struct TickOutcome {
    QString caption;
    bool reloadDue = false;
};

// Advances `elapsed` by one tick at the given wall-clock time and says
// what to show and whether to reload. `lastTickSecond` (seconds into the
// hour of the previous tick, or of start-up) lets a late tick still see
// the quarter hour it crossed. The longest period, 900, reloads once per
// quarter hour, at the quarter hour.
TickOutcome advanceTick(int& elapsed, int& lastTickSecond, int period, const QString& phrase,
                        int minute, int second);

// The countdown to the next reload: the reload period and the seconds
// counted towards it, which the window and ondrel-cli watch count alike.
class ReloadCountdown {
public:
    // `ReloadPeriod`, seconds.
    int ReloadPeriod() const { return m_period; }
    void setPeriod(int seconds) { m_period = seconds; }
    // `ReloadElapsed`, seconds counted since the last reload or reset.
    int ReloadElapsed() const { return m_elapsed; }
    void setElapsed(int seconds) { m_elapsed = seconds; }

    // Start-up at `now`: counted from the last quarter hour.
    void start(QTime now);
    // One tick of the one-second timer at `now`.
    TickOutcome tick(QTime now, const QString& phrase);
    // A reload began: the count starts afresh.
    void restart() { m_elapsed = 0; }

private:
    int m_period = kDefaultPeriod;
    int m_elapsed = 0;
    // Seconds into the hour of the last tick (or start-up), so a late tick
    // still sees the quarter hour it crossed.
    int m_lastTickSecond = 0;
};
