// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/status/es_notice_policy.h"

#include <QDBusConnection>

#include <functional>

// Where notices go; tests record them.
class NoticeSink {
public:
    virtual ~NoticeSink() = default;
    virtual void show(const EsNotice& notice) = 0;
};

// The freedesktop notification service (org.freedesktop.Notifications) on a
// session bus. Notices go to `fallback` when no such service is on the bus
// or the call fails.
class DbusNoticeSink : public NoticeSink {
public:
    using Fallback = std::function<void(const EsNotice&)>;

    // `bus` is asked for on the first notice, so start-up never waits for
    // the bus.
    DbusNoticeSink(std::function<QDBusConnection()> bus, Fallback fallback);

    void show(const EsNotice& notice) override;

private:
    bool serviceThere(const QDBusConnection& bus) const;

    std::function<QDBusConnection()> m_bus;
    Fallback m_fallback;
};
