// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QTime>

// The wall clock; tests set their own time.
class Clock {
public:
    virtual ~Clock() = default;
    // Local time of day, which the reload schedule follows.
    virtual QTime now() const = 0;
    // The instant, for the age of the data.
    virtual QDateTime nowUtc() const = 0;
};

class SystemClock : public Clock {
public:
    QTime now() const override { return QTime::currentTime(); }
    QDateTime nowUtc() const override { return QDateTime::currentDateTimeUtc(); }
};
