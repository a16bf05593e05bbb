// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktop_notifications.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace {

// The freedesktop image-data hint, (iiibiiay): width, height, bytes per
// row, alpha, bits per sample, channels and the RGBA bytes of the icon.
QDBusArgument iconImageData()
{
    const QImage image = QIcon(QStringLiteral(":/ondrel.svg"))
                             .pixmap(64, 64)
                             .toImage()
                             .convertToFormat(QImage::Format_RGBA8888);
    QDBusArgument argument;
    argument.beginStructure();
    argument << image.width() << image.height() << int(image.bytesPerLine()) << true << 8 << 4
             << QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    argument.endStructure();
    return argument;
}

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

QVariantMap DbusNoticeSink::hints(const EsNotice& notice) const
{
    QVariantMap hints{
        {QStringLiteral("desktop-entry"), QStringLiteral("ondrel")},
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(notice.urgent ? 2 : 1))},
    };
    if (notice.urgent)
        hints.insert(QStringLiteral("sound-name"), QStringLiteral("dialog-warning"));
    if (!QIcon::hasThemeIcon(QStringLiteral("ondrel")))
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(iconImageData()));
    return hints;
}

void DbusNoticeSink::show(const EsNotice& notice, Delivered delivered)
{
    const QDBusConnection bus = m_bus();
    if (!serviceThere(bus)) {
        delivered(m_fallback && m_fallback(notice));
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    call << QStringLiteral("Ondrel") << *m_lastId << QStringLiteral("ondrel") << notice.title
         << notice.body << QStringList() << hints(notice) << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [fallback = m_fallback, notice, lastId = m_lastId,
                      delivered = std::move(delivered)](QDBusPendingCallWatcher* done) {
                         done->deleteLater();
                         const QDBusPendingReply<uint> reply = *done;
                         if (!reply.isError()) {
                             *lastId = reply.value();
                             delivered(true);
                         } else {
                             delivered(fallback && fallback(notice));
                         }
                     });
}
