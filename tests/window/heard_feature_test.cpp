// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/home_locator.h"
#include "heard/heard_session.h"
#include "net/udp_listener.h"
#include "support/gui/form_fixture.h"
#include "support/named_case.h"
#include "support/wait_for.h"
#include "support/wsjtx_capture.h"
#include "window/heard_feature.h"
#include "window/settings_feature.h"

#include <QLabel>
#include <QUdpSocket>

#include <gtest/gtest.h>

namespace {

constexpr int kWaitMs = 5000;

// A window hearing as its settings file says, at 10:30:15 JST on the day
// of the recorded run: its decodes are a quarter of a minute old.
struct HeardFixture : FormFixture {
    explicit HeardFixture(const QStringList& lines)
    {
        writeSettings(lines);
        clock.time = QTime(10, 30, 15);
        heard.start();
    }
    void storeDecodeUdp(const QString& value)
    {
        writeSettings({QStringLiteral("ESDecodeUdp=") + value});
        settingsFeature.changed(QStringLiteral("ESDecodeUdp"));
    }

    SettingsFeature settingsFeature{*window, *controller, FormFixture::settings};
    HomeLocator home{FormFixture::settings};
    HeardFeature heard{{*window, loop, settingsFeature, FormFixture::settings, home, clock, {}}};
};

struct SettingCase {
    const char* name;
    const char* value; // %1: a free port
    bool listens;
};
ONDREL_NAMED_CASE(SettingCase)

class HeardSettingTest : public testing::TestWithParam<SettingCase> {};

// Off, nothing is made; the settings window turns it on and off again.
TEST_P(HeardSettingTest, ListenerAndSessionExistOnlyWhileSet)
{
    const SettingCase& row = GetParam();
    const QString value =
        QString::fromUtf8(row.value).replace(QStringLiteral("%1"), QString::number(freeUdpPort()));
    HeardFixture f({QStringLiteral("ESDecodeUdp=") + value});
    EXPECT_EQ(f.heard.session() != nullptr, row.listens);
    EXPECT_EQ(f.heard.listener() != nullptr, row.listens);

    std::vector<bool> told;
    QObject::connect(&f.heard, &HeardFeature::sessionChanged, &f.heard,
                     [&told](HeardSession* session) { told.push_back(session != nullptr); });
    f.storeDecodeUdp(QStringLiteral("127.0.0.1:%1").arg(freeUdpPort()));
    ASSERT_NE(f.heard.session(), nullptr);
    EXPECT_EQ(f.heard.listener()->state(), ListenState::Listening);
    f.storeDecodeUdp({});
    EXPECT_EQ(f.heard.session(), nullptr);
    EXPECT_EQ(f.heard.listener(), nullptr);
    const std::vector<bool> expected =
        row.listens ? std::vector<bool>{false} : std::vector<bool>{true, false};
    EXPECT_EQ(told, expected);
}

INSTANTIATE_TEST_SUITE_P(Settings, HeardSettingTest,
                         testing::Values(SettingCase{"Empty", "", false},
                                         SettingCase{"NotAnAddress", "wsjtx", false},
                                         SettingCase{"Port", "127.0.0.1:%1", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A screen reader hears the heard lines in the window's description.
TEST(HeardFeature, RecordedRunGivesTheWindowItsHeardLine)
{
    const quint16 port = freeUdpPort();
    HeardFixture f({QStringLiteral("ESDecodeUdp=127.0.0.1:%1").arg(port)});
    f.load();
    ASSERT_TRUE(sendToLocalPort(wsjtxCapture(QStringLiteral("wsjtx-2.6.1")), port));
    ASSERT_TRUE(
        waitFor([&f] { return f.heard.session()->recent().size() == kCapturedStations; }, kWaitMs));
    EXPECT_TRUE(f.window->accessibleDescription().isEmpty()) << "counted at the tick";
    f.controller->Timer2_Timer();
    ASSERT_EQ(f.heard.heardLines().size(), 1);
    EXPECT_TRUE(f.heard.heardLines()[0].startsWith(QStringLiteral("6 m: Es 圏内で ")));
    EXPECT_EQ(f.window->accessibleDescription(), f.heard.heardLines()[0]);
    // Fifteen minutes on, they no longer count.
    f.clock.time = QTime(10, 45, 30);
    f.controller->Timer2_Timer();
    EXPECT_TRUE(f.window->accessibleDescription().isEmpty());
}

// A port another program holds is said once, in the status line's
// tooltip, with the way out; the window keeps running.
TEST(HeardFeature, PortInUseIsToldOnceInTheStatusLine)
{
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::LocalHost, 0));
    HeardFixture f({});
    QStringList told;
    QObject::connect(&f.heard, &HeardFeature::listenerTrouble, &f.heard,
                     [&told](const QString& text) { told << text; });
    f.storeDecodeUdp(QStringLiteral("127.0.0.1:%1").arg(holder.localPort()));
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(QStringLiteral("マルチキャスト"))) << told[0].toStdString();
    f.load();
    f.controller->Timer2_Timer();
    EXPECT_TRUE(f.window->fmcls->toolTip().contains(told[0]));
    f.storeDecodeUdp({});
    EXPECT_FALSE(f.window->fmcls->toolTip().contains(told[0]));
}

} // namespace
