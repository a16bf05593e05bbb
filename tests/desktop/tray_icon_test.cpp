// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/signal_indicator.h"
#include "desktop/desktop_integration.h"
#include "desktop/desktop_notifications.h"
#include "desktop/tray_icon.h"
#include "recording_sink.h"
#include "support/gui/form_fixture.h"
#include "support/named_case.h"
#include "window/history_feature.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// A window with its desktop integration, on a clock the test sets.
struct DesktopFixture : FormFixture {
    explicit DesktopFixture(bool tray = true, const QStringList& settings = {},
                            bool startedInFront = false)
    {
        writeSettings(settings);
        start(tray, startedInFront);
    }
    ~DesktopFixture() { desktop.reset(); }
    // Starts the desktop integration (again: a restart of the program).
    void start(bool tray = true, bool startedInFront = false)
    {
        desktop.reset();
        desktop = std::make_unique<DesktopIntegration>(
            *window, *controller, loop, this->settings, [this] { history.openHistory(); },
            DesktopSeams{&sink, [this] { return std::chrono::seconds(seconds); }, tray,
                         startedInFront, autostartDirectory(),
                         directory.filePath(QStringLiteral("notified"))});
    }
    TrayIcon& tray() { return *desktop->tray(); }
    QString autostartDirectory() const { return directory.filePath(QStringLiteral("autostart")); }

    HistoryFeature history{*window, loop, FormFixture::settings, [] { return QString(); }};
    RecordingSink sink;
    qint64 seconds = clock.nowUtc().toSecsSinceEpoch();
    std::unique_ptr<DesktopIntegration> desktop;
};

TEST(TrayIcon, ColourAndToolTipFollowEachRefresh)
{
    DesktopFixture f;
    f.load();
    EXPECT_EQ(f.tray().colour(), UndefinedColor);
    f.deliverPage();
    EXPECT_EQ(f.tray().colour(), CautionColor);
    EXPECT_TRUE(f.tray().icon().toolTip().contains(QStringLiteral("Ondrel: Es 注意")));
    f.tray().reloadAction->trigger(); // as "Ref"
    ASSERT_EQ(f.download.urls.size(), 2u);
    f.download.fail();
    // As the window: the last page's level, until the data grows old.
    EXPECT_EQ(f.tray().colour(), CautionColor);
    EXPECT_TRUE(f.tray().icon().toolTip().contains(QStringLiteral("応答なし-11")));
    EXPECT_TRUE(f.tray().icon().toolTip().contains(QStringLiteral("更新できません")));
    f.seconds += 61 * 60; // the 10:15 page, fetched at 10:00, at 11:01
    f.controller->Timer2_Timer();
    EXPECT_EQ(f.tray().colour(), dimmed(CautionColor));
    EXPECT_TRUE(f.tray().icon().toolTip().contains(QStringLiteral("データは 46 分前のものです")));

    const QImage image = roundIcon(AlertColor).pixmap(32, 32).toImage();
    EXPECT_EQ(image.pixelColor(16, 16), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
}

TEST(TrayIcon, MenuMirrorsKeepInFrontAndStoresTheNotificationsChoice)
{
    DesktopFixture f;
    f.load(QStringLiteral("-T"));
    EXPECT_TRUE(f.tray().keepInFrontAction->isChecked());
    f.tray().keepInFrontAction->trigger();
    EXPECT_FALSE(f.window->keepsInFront());
    f.window->Check1->setChecked(true);
    EXPECT_TRUE(f.tray().keepInFrontAction->isChecked());

    f.tray().notificationsAction->trigger();
    EXPECT_TRUE(f.settingsText().contains(QStringLiteral("ESNotify=0")));
    f.deliverPage();
    EXPECT_TRUE(f.sink.shown.empty());
}

TEST(TrayIcon, PaletteEntrySwitchesWindowAndIconAtOnceAndStoresTheChoice)
{
    DesktopFixture f(true, {"ESPalette=cvd"});
    QAction& palette = *f.tray().paletteAction;
    EXPECT_EQ(palette.text(), QStringLiteral("色覚に配慮した配色"));
    f.load();
    EXPECT_TRUE(palette.isChecked());
    EXPECT_EQ(f.tray().colour(), 0x999999u);
    f.deliverPage();
    EXPECT_EQ(f.tray().colour(), 0x42E4F0u);

    palette.trigger();
    EXPECT_EQ(f.tray().colour(), CautionColor);
    EXPECT_EQ(f.window->Label2[14]->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_TRUE(f.settingsText().contains(QStringLiteral("ESPalette=standard")));
    palette.trigger();
    EXPECT_EQ(f.tray().colour(), 0x42E4F0u);
    EXPECT_EQ(f.window->Label2[14]->underline(), Qt::DotLine);
    EXPECT_TRUE(f.settingsText().contains(QStringLiteral("ESPalette=cvd")));
}

TEST(TrayIcon, LeftClickShowsTheWindowAndQuitRunsShutDown)
{
    DesktopFixture f;
    f.load();
    emit f.tray().icon().activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(f.window->isVisible());
    f.tray().historyAction->trigger();
    const auto windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::any_of(windows.begin(), windows.end(), [](const QWidget* w) {
        return w->isVisible() && w->windowTitle() == QStringLiteral("履歴");
    }));
    f.tray().quitAction->trigger();
    EXPECT_FALSE(f.window->isVisible());
    EXPECT_FALSE(f.timer2.isEnabled()); // Form_Unload stopped the countdown
}

TEST(TrayIcon, StartAtLoginWritesAndRemovesTheEntryKeepingMinusT)
{
    DesktopFixture f(true, {}, true);
    QAction& action = *f.tray().autostartAction;
    EXPECT_FALSE(action.isChecked());
    action.trigger();
    EXPECT_TRUE(action.isChecked());
    QFile entry(LoginAutostart(f.autostartDirectory()).filePath());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().split('\n').contains(
        "Exec=" + execArgument(QCoreApplication::applicationFilePath()).toUtf8() + " -T"));
    action.trigger();
    EXPECT_FALSE(action.isChecked());
    EXPECT_FALSE(entry.exists());
}

TEST(TrayIcon, StartAtLoginStaysUncheckedWhenTheEntryCannotBeWritten)
{
    DesktopFixture f;
    QFile blocker(f.autostartDirectory()); // a file where the directory should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    f.tray().autostartAction->trigger();
    EXPECT_FALSE(f.tray().autostartAction->isChecked());
}

struct SettingsCase {
    const char* name;
    QStringList settings;
    size_t notices; // for caution, quiet, caution again two minutes later
};
ONDREL_NAMED_CASE(SettingsCase)

class NotifySettingsTest : public testing::TestWithParam<SettingsCase> {};

TEST_P(NotifySettingsTest, StoredKeysSwitchAndSpaceNoticesWithoutATray)
{
    DesktopFixture f(false, GetParam().settings);
    EXPECT_EQ(f.desktop->tray(), nullptr);
    QString quiet;
    for (int k = 0; k < kStationCount; ++k)
        quiet += testpage::station(k, testpage::quiet(k));
    f.load();
    for (const QByteArray& page :
         {testpage::realisticBytes(), testpage::page(QStringLiteral("x"), quiet).toUtf8(),
          testpage::realisticBytes().replace("10:15", "10:18")}) {
        f.controller->reloadNow();
        f.deliverPage(page);
        f.seconds += 60;
    }
    ASSERT_EQ(f.sink.shown.size(), GetParam().notices);
    if (GetParam().notices > 0) {
        EXPECT_EQ(f.sink.shown[0].title, QStringLiteral("Es 注意"));
        EXPECT_TRUE(f.sink.shown[0].body.startsWith(QStringLiteral("国分寺 Es 8.6 MHz\n")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NotifySettingsTest,
    testing::Values(SettingsCase{"NoSettings", {}, 1},
                    SettingsCase{"SwitchedOff", {"ESNotify=0"}, 0},
                    SettingsCase{"NoCooldown", {"ESNotifyCool=0"}, 2},
                    SettingsCase{"BadValuesMeanDefaults", {"ESNotify=x", "ESNotifyCool=-5"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// A restart neither tells of the same page again nor forgets the
// cool-down; a new page at a higher level after it is told.
TEST(EsNotices, RememberedAcrossARestart)
{
    DesktopFixture f(false);
    f.load();
    f.deliverPage();
    ASSERT_EQ(f.sink.shown.size(), 1u);
    f.start(false);
    f.controller->reloadNow();
    f.deliverPage();
    EXPECT_EQ(f.sink.shown.size(), 1u) << "the same page again";
    f.start(false);
    f.controller->reloadNow();
    f.deliverPage(testpage::realisticBytes().replace("10:15", "10:18"));
    EXPECT_EQ(f.sink.shown.size(), 1u) << "caution again within the cool-down";
    f.controller->reloadNow();
    f.deliverPage(testpage::realisticBytes()
                      .replace("10:15", "10:21")
                      .replace("signal-blink-yellow-p", "signal-blink-red"));
    ASSERT_EQ(f.sink.shown.size(), 2u);
    EXPECT_EQ(f.sink.shown[1].title, QStringLiteral("Es 警報"));
}

// A page whose own time is already stale is not news.
TEST(EsNotices, NoneForAStalePage)
{
    DesktopFixture f(false);
    f.seconds += 61 * 60; // the 10:15 page arrives at 11:01
    f.clock.time = QTime(11, 1);
    f.load();
    f.deliverPage();
    EXPECT_TRUE(f.sink.shown.empty());
}

} // namespace
