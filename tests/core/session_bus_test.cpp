// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system/session_bus.h"
#include "support/named_case.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct BusCase {
    const char* name;
    const char* address; // null: unset
    bool runtimeBus;     // a "bus" socket file in XDG_RUNTIME_DIR
    bool available;
};
ONDREL_NAMED_CASE(BusCase)

class SessionBusTest : public testing::TestWithParam<BusCase> {
protected:
    void SetUp() override
    {
        m_address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        m_runtime = qgetenv("XDG_RUNTIME_DIR");
    }
    void TearDown() override
    {
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_address);
        qputenv("XDG_RUNTIME_DIR", m_runtime);
    }

private:
    QByteArray m_address;
    QByteArray m_runtime;
};

// Without a bus the address is turned off, so nothing autolaunches one;
// a bus there is left as it is.
TEST_P(SessionBusTest, AutolaunchIsPreventedOnlyWithoutABus)
{
    const BusCase& c = GetParam();
    QTemporaryDir runtime;
    if (c.runtimeBus) {
        QFile bus(runtime.filePath(QStringLiteral("bus")));
        ASSERT_TRUE(bus.open(QIODevice::WriteOnly));
    }
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    if (c.address)
        qputenv("DBUS_SESSION_BUS_ADDRESS", c.address);
    else
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");

    EXPECT_EQ(sessionBusAvailable(), c.available);
    preventSessionBusAutolaunch();
    EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"),
              c.available ? QByteArray(c.address) : QByteArray("disabled:"));
}

INSTANTIATE_TEST_SUITE_P(Sessions, SessionBusTest,
                         testing::Values(BusCase{"AddressGiven", "unix:path=/run/user/1000/bus",
                                                 false, true},
                                         BusCase{"UserBusSocket", nullptr, true, true},
                                         BusCase{"NoBusAtAll", nullptr, false, false},
                                         BusCase{"AlreadyTurnedOff", "disabled:", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
