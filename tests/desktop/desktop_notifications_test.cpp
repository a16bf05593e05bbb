// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktop_notifications.h"
#include "support/named_case.h"
#include "support/wait_for.h"

#include <QDBusContext>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A session bus of the test's own, with no service files.
class PrivateBus {
public:
    PrivateBus()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        QFile config(m_dir.filePath(QStringLiteral("bus.conf")));
        if (daemon.isEmpty() || !config.open(QIODevice::WriteOnly))
            return;
        config.write(QStringLiteral("<busconfig><type>session</type>"
                                    "<listen>unix:path=%1/bus</listen><auth>EXTERNAL</auth>"
                                    "<policy context=\"default\"><allow send_destination=\"*\" "
                                    "eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                                    "<allow own=\"*\"/></policy></busconfig>\n")
                         .arg(m_dir.path())
                         .toUtf8());
        config.close();
        m_daemon.start(daemon,
                       {"--config-file=" + config.fileName(), "--nofork", "--print-address=1"});
        if (m_daemon.waitForReadyRead(5000))
            address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus() { m_daemon.terminate(), m_daemon.waitForFinished(5000); }

    QString address; // empty when no bus could be started

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
};

// Stands in for the desktop's notification daemon and records each call.
class NotificationRecorder : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    std::vector<QVariantList> calls;
    bool refuse = false;

public Q_SLOTS:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int timeout)
    {
        calls.push_back({app, replaces, icon, summary, body, hints, timeout});
        if (refuse)
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("not now"));
        return 7;
    }
};

struct DeliveryCase {
    const char* name;
    bool serviceOnBus;
    bool serviceRefuses;
    bool fallbackExpected;
    bool fallbackShows; // a tray showed the notice
    bool reached;       // what the sink says of the notice
};
ONDREL_NAMED_CASE(DeliveryCase)

class DeliveryTest : public testing::TestWithParam<DeliveryCase> {};

TEST_P(DeliveryTest, NoticeReachesTheServiceOrTheFallback)
{
    PrivateBus bus;
    if (bus.address.isEmpty())
        GTEST_SKIP() << "dbus-daemon (Debian package dbus-daemon) could not start a private bus";
    NotificationRecorder recorder;
    recorder.refuse = GetParam().serviceRefuses;
    QDBusConnection service = QDBusConnection::connectToBus(bus.address, QStringLiteral("service"));
    if (GetParam().serviceOnBus) {
        ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/Notifications"),
                                           &recorder, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.Notifications")));
    }
    int fallbacks = 0;
    DbusNoticeSink sink([&] { return QDBusConnection::connectToBus(bus.address, "client"); },
                        [&](const EsNotice&) {
                            ++fallbacks;
                            return GetParam().fallbackShows;
                        });
    std::vector<bool> reached;
    sink.show({QStringLiteral("Es 警報"), QStringLiteral("山川 Es 9.1 MHz"), true},
              [&](bool delivered) { reached.push_back(delivered); });

    const size_t calls = GetParam().serviceOnBus ? 1 : 0;
    const int expectedFallbacks = GetParam().fallbackExpected ? 1 : 0;
    waitFor([&] { return recorder.calls.size() == calls && !reached.empty(); }, 5000);
    waitFor([] { return false; }, 100); // nothing more comes
    ASSERT_EQ(recorder.calls.size(), calls);
    EXPECT_EQ(fallbacks, expectedFallbacks);
    EXPECT_EQ(reached, std::vector<bool>{GetParam().reached});
    if (calls == 1) {
        const QVariantList& call = recorder.calls.front();
        EXPECT_EQ(call.mid(0, 5),
                  (QVariantList{"Ondrel", 0u, "ondrel", "Es 警報", "山川 Es 9.1 MHz"}));
        const QVariantMap hints = call[5].toMap();
        EXPECT_EQ(hints.value(QStringLiteral("desktop-entry")), QStringLiteral("ondrel"));
        EXPECT_EQ(hints.value(QStringLiteral("urgency")), QVariant::fromValue(uchar(2)));
        EXPECT_EQ(hints.value(QStringLiteral("sound-name")), QStringLiteral("dialog-warning"));
        // Run from the build tree: no installed icon, so the icon goes along.
        EXPECT_TRUE(hints.contains(QStringLiteral("image-data")));
        EXPECT_EQ(call[6], -1);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    QDBusConnection::disconnectFromBus(QStringLiteral("service"));
}

// A new notice takes the place of the one before, as the service's id
// says; a caution asks for no sound.
TEST(DbusNoticeSink, NextNoticeReplacesThePrevious)
{
    PrivateBus bus;
    if (bus.address.isEmpty())
        GTEST_SKIP() << "dbus-daemon (Debian package dbus-daemon) could not start a private bus";
    NotificationRecorder recorder;
    QDBusConnection service = QDBusConnection::connectToBus(bus.address, QStringLiteral("service"));
    ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &recorder,
                                       QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.Notifications")));
    DbusNoticeSink sink([&] { return QDBusConnection::connectToBus(bus.address, "client"); }, {});
    sink.show({QStringLiteral("Es 注意"), QStringLiteral("a"), false}, [](bool) {});
    ASSERT_TRUE(waitFor([&] { return recorder.calls.size() == 1; }, 5000));
    waitFor([] { return false; }, 100); // the reply with the id comes back
    sink.show({QStringLiteral("Es 警報"), QStringLiteral("b"), true}, [](bool) {});
    ASSERT_TRUE(waitFor([&] { return recorder.calls.size() == 2; }, 5000));
    EXPECT_EQ(recorder.calls[0][1], 0u);
    EXPECT_EQ(recorder.calls[1][1], 7u);
    EXPECT_FALSE(recorder.calls[0][5].toMap().contains(QStringLiteral("sound-name")));
    waitFor([] { return false; }, 100); // the last reply, before the bus goes
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    QDBusConnection::disconnectFromBus(QStringLiteral("service"));
}

INSTANTIATE_TEST_SUITE_P(
    Bus, DeliveryTest,
    testing::Values(DeliveryCase{"ServiceRunning", true, false, false, false, true},
                    DeliveryCase{"NoServiceNoTray", false, false, true, false, false},
                    DeliveryCase{"NoServiceTrayShows", false, false, true, true, true},
                    DeliveryCase{"ServiceRefuses", true, true, true, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

#include "desktop_notifications_test.moc"
