// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// A window timer as the handlers see it: an interval in milliseconds and an
// enabled flag; it ticks every interval while enabled with a non-zero
// interval. Tests replace it with one they fire by hand.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual int interval() const = 0;
    virtual bool isEnabled() const = 0;
};

// The real timer, on the event loop.
class QtTimer : public Timer {
public:
    QtTimer();
    // Calls `tick` at each tick.
    explicit QtTimer(std::function<void()> tick);

    // Emits timeout at each tick, for a connection with a context.
    const QTimer& ticks() const { return m_timer; }

    void setInterval(int milliseconds) override;
    void setEnabled(bool enabled) override;
    int interval() const override { return m_interval; }
    bool isEnabled() const override { return m_enabled; }

private:
    void update();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
};
