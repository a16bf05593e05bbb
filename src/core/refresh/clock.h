// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTime>

// The local wall clock; tests set their own time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QTime now() const = 0;
};

class SystemClock : public Clock {
public:
    QTime now() const override { return QTime::currentTime(); }
};
