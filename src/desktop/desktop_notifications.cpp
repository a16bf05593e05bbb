// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktop_notifications.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

} // namespace

DbusNoticeSink::DbusNoticeSink(std::function<QDBusConnection()> bus, Fallback fallback)
    : m_bus(std::move(bus)), m_fallback(std::move(fallback))
{
}

bool DbusNoticeSink::serviceThere(const QDBusConnection& bus) const
{
    const QDBusConnectionInterface* daemon = bus.interface();
    if (!bus.isConnected() || !daemon)
        return false;
    // Notification daemons are often started by the bus on the first call.
    return daemon->isServiceRegistered(kService).value() ||
           daemon->activatableServiceNames().value().contains(kService);
}

void DbusNoticeSink::show(const EsNotice& notice)
{
    const QDBusConnection bus = m_bus();
    if (!serviceThere(bus)) {
        if (m_fallback)
            m_fallback(notice);
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QStringLiteral("ondrel")},
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(notice.urgent ? 2 : 1))},
    };
    call << QStringLiteral("Ondrel") << uint(0) << QStringLiteral("ondrel") << notice.title
         << notice.body << QStringList() << hints << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [fallback = m_fallback, notice](QDBusPendingCallWatcher* done) {
                         done->deleteLater();
                         if (done->isError() && fallback)
                             fallback(notice);
                     });
}
