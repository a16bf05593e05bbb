// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/status/es_notice_policy.h"

#include <QDBusConnection>

#include <functional>
#include <memory>

// Where notices go; tests record them.
class NoticeSink {
public:
    // Told once, maybe later, whether the notice reached the user.
    using Delivered = std::function<void(bool reached)>;

    virtual ~NoticeSink() = default;
    virtual void show(const EsNotice& notice, Delivered delivered) = 0;
};

// The freedesktop notification service (org.freedesktop.Notifications) on a
// session bus. Notices go to `fallback` when no such service is on the bus
// or the call fails; a notice the service took (its Notify answered with
// an id) has reached the user. Each notice replaces Ondrel's previous one
// instead of piling up beside it; alerts ask for the warning sound; the
// icon goes along as image data where no installed icon is found (a build
// tree).
class DbusNoticeSink : public NoticeSink {
public:
    // Shows the notice elsewhere and says whether it reached the user.
    using Fallback = std::function<bool(const EsNotice&)>;

    // `bus` is asked for on the first notice, so start-up never waits for
    // the bus.
    DbusNoticeSink(std::function<QDBusConnection()> bus, Fallback fallback);

    void show(const EsNotice& notice, Delivered delivered) override;

private:
    bool serviceThere(const QDBusConnection& bus) const;
    QVariantMap hints(const EsNotice& notice) const;

    std::function<QDBusConnection()> m_bus;
    Fallback m_fallback;
    // The service's id of the notice shown last; 0 for none.
    std::shared_ptr<uint> m_lastId = std::make_shared<uint>(0);
};
