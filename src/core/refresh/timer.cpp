// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/refresh/timer.h"

QtTimer::QtTimer()
{
    m_timer.setTimerType(Qt::PreciseTimer);
}

QtTimer::QtTimer(std::function<void()> tick) : QtTimer()
{
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, std::move(tick));
}

void QtTimer::setInterval(int milliseconds)
{
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    update();
}

void QtTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    update();
}

void QtTimer::update()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}
