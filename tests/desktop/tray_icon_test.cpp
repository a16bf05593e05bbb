// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/signal_indicator.h"
#include "core/settings/home_locator.h"
#include "desktop/desktop_integration.h"
#include "desktop/desktop_notifications.h"
#include "desktop/tray_icon.h"
#include "heard/heard_session.h"
#include "recording_sink.h"
#include "support/gui/form_fixture.h"
#include "support/gui/setting_input.h"
#include "support/named_case.h"
#include "support/wait_for.h"
#include "support/wsjtx_capture.h"
#include "window/heard_feature.h"
#include "window/history_feature.h"
#include "window/settings_feature.h"
#include "window/settings_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
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
        home.reread();
        desktop = std::make_unique<DesktopIntegration>(
            *window, *controller, loop, this->settings,
            TrayOpeners{[this] { history.openHistory(); }, {}, {}}, settingsFeature, home,
            DesktopSeams{&sink, [this] { return std::chrono::seconds(seconds); }, tray,
                         startedInFront, autostartDirectory(),
                         directory.filePath(QStringLiteral("notified"))});
    }
    // Hears WSJT-X and JTDX as the settings file says, and tells the desktop.
    void hear()
    {
        heard = std::make_unique<HeardFeature>(HeardFeature::Parts{
            *window, loop, settingsFeature, FormFixture::settings, home, clock, {}});
        desktop->hearFrom(*heard);
        heard->start();
    }
    TrayIcon& tray() { return *desktop->tray(); }
    QString autostartDirectory() const { return directory.filePath(QStringLiteral("autostart")); }

    HistoryFeature history{*window, loop, FormFixture::settings, [] { return QString(); }};
    SettingsFeature settingsFeature{*window, *controller, FormFixture::settings};
    HomeLocator home{FormFixture::settings};
    RecordingSink sink;
    qint64 seconds = clock.nowUtc().toSecsSinceEpoch();
    std::unique_ptr<DesktopIntegration> desktop;
    std::unique_ptr<HeardFeature> heard;
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
    // Key and input entered in the settings window after start-up.
    std::vector<std::pair<const char*, const char*>> entered = {};
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
    f.settingsFeature.openSettings();
    for (const auto& [key, input] : GetParam().entered)
        enterSetting(*f.settingsFeature.window(), QString::fromLatin1(key),
                     QString::fromLatin1(input));
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
                    SettingsCase{"BadValuesMeanDefaults", {"ESNotify=x", "ESNotifyCool=-5"}, 1},
                    SettingsCase{"SwitchedOffInTheSettingsWindow", {}, 0, {{"ESNotify", ""}}},
                    SettingsCase{
                        "NoCooldownFromTheSettingsWindow", {}, 2, {{"ESNotifyCool", "0"}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct InStepCase {
    const char* name;
    const char* key;
    QAction* TrayIcon::*action;
    const char* on; // the input that turns it on, and off
    const char* off;
    bool (*stored)(DesktopFixture&); // whether what is kept says on
};
ONDREL_NAMED_CASE(InStepCase)

class InStepTest : public testing::TestWithParam<InStepCase> {};

// A switch ticked, or a choice on its second value (cvd).
bool shownOn(QWidget* field)
{
    if (auto* box = qobject_cast<QComboBox*>(field))
        return box->currentIndex() == 1;
    return qobject_cast<QCheckBox*>(field)->isChecked();
}

TEST_P(InStepTest, SettingsWindowAndTrayMenuFollowEachOther)
{
    const InStepCase& row = GetParam();
    DesktopFixture f;
    f.load();
    f.tray().settingsAction->trigger();
    SettingsWindow* shown = f.settingsFeature.window();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    QAction& action = *(f.tray().*row.action);
    QWidget* field = shown->field(QString::fromLatin1(row.key));
    const bool before = action.isChecked();
    EXPECT_EQ(shownOn(field), before);

    enterSetting(*shown, QString::fromLatin1(row.key),
                 QString::fromLatin1(before ? row.off : row.on));
    EXPECT_EQ(row.stored(f), !before);
    EXPECT_EQ(action.isChecked(), !before);
    action.trigger();
    EXPECT_EQ(row.stored(f), before);
    EXPECT_EQ(shownOn(field), before);
}

INSTANTIATE_TEST_SUITE_P(
    TrayEntries, InStepTest,
    testing::Values(
        InStepCase{"Notifications", "ESNotify", &TrayIcon::notificationsAction, "", "",
                   [](DesktopFixture& f) { return ProgramSettings(f.settings).notifyOn(); }},
        InStepCase{"StartAtLogin", "autostart", &TrayIcon::autostartAction, "", "",
                   [](DesktopFixture& f) { return LoginAutostart(f.autostartDirectory()).isOn(); }},
        InStepCase{"KeepInFront", "keep-in-front", &TrayIcon::keepInFrontAction, "", "",
                   [](DesktopFixture& f) { return f.controller->keepsInFront(); }},
        InStepCase{"Palette", "ESPalette", &TrayIcon::paletteAction, "cvd", "standard",
                   [](DesktopFixture& f) {
                       return ProgramSettings(f.settings).palette() == SignalPalette::Cvd;
                   }}),
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

// A notice that reached nobody (no notification service, no tray) is
// not remembered: the next refresh and the next start tell it again;
// once it reached the user, neither does.
TEST(EsNotices, UndeliveredIsToldAgainUntilItReachesTheUser)
{
    DesktopFixture f(false);
    f.sink.reaches = false;
    f.load();
    f.deliverPage();
    ASSERT_EQ(f.sink.shown.size(), 1u);
    f.controller->reloadNow();
    f.deliverPage();
    ASSERT_EQ(f.sink.shown.size(), 2u) << "the next refresh";
    f.sink.reaches = true;
    f.start(false);
    f.controller->reloadNow();
    f.deliverPage();
    ASSERT_EQ(f.sink.shown.size(), 3u) << "the next start";
    f.start(false);
    f.controller->reloadNow();
    f.deliverPage();
    EXPECT_EQ(f.sink.shown.size(), 3u) << "delivered: never again";
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

// A page with Wakkanai's Es at `es` (its signal as given), the rest quiet.
QByteArray wakkanaiEs(const char* time, const char* es, const char* signal)
{
    QString sections;
    for (int k = 0; k < kStationCount; ++k) {
        testpage::Readings readings = testpage::quiet(k);
        if (k == 0)
            readings[2] = testpage::Reading{QLatin1String(es), QLatin1String(signal)};
        sections += testpage::station(k, readings);
    }
    return testpage::page(QLatin1String(time), sections).toUtf8();
}

// Wakkanai opens 50 MHz, closes it and opens it again, three minutes apart.
std::vector<QByteArray> closedAndOpenAgain()
{
    return {wakkanaiEs("2026/12/07 10:00 JST", "9.5", "GREEN"),
            wakkanaiEs("2026/12/07 10:03 JST", "5.0", "GREEN"),
            wakkanaiEs("2026/12/07 10:06 JST", "9.5", "GREEN")};
}

struct BandCase {
    const char* name;
    const char* setting; // ESNotifyBand=... or ESNotifyCool=..., or null for neither
    std::vector<QByteArray> pages;
    // Per page: '-' nothing, 'R' a rise with the opening in it, 'B' the opening alone.
    const char* notices;
};
ONDREL_NAMED_CASE(BandCase)

class BandNoticeTest : public testing::TestWithParam<BandCase> {};

// A band's opening is told once per cool-down, folded into a rise of the
// same refresh, never as a second notification.
TEST_P(BandNoticeTest, OpeningIsToldOncePerCooldown)
{
    const BandCase& row = GetParam();
    DesktopFixture f(false, row.setting ? QStringList{QLatin1String(row.setting)} : QStringList{});
    f.load();
    std::string told;
    size_t seen = 0;
    for (const QByteArray& page : row.pages) {
        f.controller->reloadNow();
        f.deliverPage(page);
        f.seconds += 60;
        if (f.sink.shown.size() == seen) {
            told += '-';
            continue;
        }
        ASSERT_EQ(f.sink.shown.size(), seen + 1) << "two notifications for one refresh";
        const EsNotice& notice = f.sink.shown[seen++];
        const bool opening = notice.body.contains(QStringLiteral("MHz が開きました")) ||
                             notice.title.contains(QStringLiteral("MHz が開きました"));
        EXPECT_TRUE(opening) << notice.body.toStdString();
        EXPECT_TRUE(notice.body.contains(QStringLiteral("50 MHz: ")) ||
                    notice.body.contains(QStringLiteral("28 MHz: ")))
            << "the band lines";
        told += notice.title.startsWith(u"Es ") ? 'R' : 'B';
    }
    EXPECT_EQ(told, row.notices);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, BandNoticeTest,
    testing::Values(
        BandCase{"SixMetresAlone",
                 nullptr,
                 {wakkanaiEs("2026/12/07 10:00 JST", "9.5", "GREEN"),
                  wakkanaiEs("2026/12/07 10:03 JST", "9.6", "GREEN")},
                 "B-"},
        BandCase{"ClosedAndOpenAgainWithinTheCooldown", nullptr, closedAndOpenAgain(), "B--"},
        BandCase{"ClosedAndOpenAgainWithoutCooldown", "ESNotifyCool=0", closedAndOpenAgain(),
                 "B-B"},
        BandCase{
            "TenMetresFoldedIntoTheRise", "ESNotifyBand=28", {testpage::realisticBytes()}, "R"},
        BandCase{"Off", "ESNotifyBand=", {wakkanaiEs("2026/12/07 10:00 JST", "9.5", "GREEN")}, "-"},
        BandCase{"UnwatchedBand",
                 "ESNotifyBand=144",
                 {wakkanaiEs("2026/12/07 10:00 JST", "9.5", "GREEN")},
                 "-"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrayIcon, ToolTipEndsWithWhereEsReaches)
{
    DesktopFixture f;
    f.load();
    f.deliverPage();
    EXPECT_TRUE(f.tray().icon().toolTip().endsWith(
        QStringLiteral("<br>28 MHz: 国 713–2,298 km, 鹿 1,755–2,298 km<br>50 MHz: 不通<br>144 "
                       "MHz: 不通")))
        << f.tray().icon().toolTip().toStdString();
    // A home set in the map window shows with the next tick.
    f.home.set(QStringLiteral("PM95vq"));
    f.controller->Timer2_Timer();
    EXPECT_TRUE(f.tray().icon().toolTip().endsWith(QStringLiteral("国・鹿 経由")))
        << f.tray().icon().toolTip().toStdString();
}

QString listenOn(quint16 port)
{
    return QStringLiteral("ESDecodeUdp=127.0.0.1:%1").arg(port);
}

// The recorded run's decodes (01:30:00 UTC) heard a quarter of a minute
// later, over UDP, after the page `page` came.
void hearRecordedRun(DesktopFixture& f, quint16 port, const QByteArray& page)
{
    f.clock.time = QTime(10, 30, 15);
    f.seconds = f.clock.nowUtc().toSecsSinceEpoch();
    f.hear();
    f.load();
    f.deliverPage(page);
    ASSERT_TRUE(sendToLocalPort(wsjtxCapture(QStringLiteral("wsjtx-2.6.1")), port));
    ASSERT_TRUE(
        waitFor([&f] { return f.heard->session()->recent().size() == kCapturedStations; }, 5000));
    f.controller->Timer2_Timer();
}

TEST(TrayIcon, ToolTipGainsTheHeardLine)
{
    const quint16 port = freeUdpPort();
    DesktopFixture f(true, {listenOn(port)});
    hearRecordedRun(f, port, wakkanaiEs("2026/12/07 10:15 JST", "5.0", "GREEN"));
    EXPECT_TRUE(f.tray().icon().toolTip().contains(QStringLiteral("<br>6 m: Es 圏内で ")))
        << f.tray().icon().toolTip().toStdString();
}

struct HeardOpeningCase {
    const char* name;
    const char* setting; // ESNotifyBand=..., or null for the default (50)
    QByteArray page;
    // The notices after the page and the run: 'B' the opening told by the
    // ionosondes, 'H' by the stations heard.
    const char* notices;
};
ONDREL_NAMED_CASE(HeardOpeningCase)

class HeardOpeningTest : public testing::TestWithParam<HeardOpeningCase> {};

// Stations heard in Es range tell the band's opening the ionosondes did
// not, once per cool-down, with a page that is not stale.
TEST_P(HeardOpeningTest, ToldOncePerCooldown)
{
    const HeardOpeningCase& row = GetParam();
    const quint16 port = freeUdpPort();
    QStringList settings{listenOn(port)};
    if (row.setting)
        settings << QLatin1String(row.setting);
    DesktopFixture f(false, settings);
    hearRecordedRun(f, port, row.page);
    std::string told;
    for (const EsNotice& notice : f.sink.shown) {
        EXPECT_EQ(notice.title, QStringLiteral("50 MHz が開きました"));
        told += notice.body.contains(QStringLiteral("6 m: Es 圏内で ")) ? 'H' : 'B';
    }
    EXPECT_EQ(told, row.notices);
}

INSTANTIATE_TEST_SUITE_P(
    Heard, HeardOpeningTest,
    testing::Values(HeardOpeningCase{"QuietPage", nullptr,
                                     wakkanaiEs("2026/12/07 10:15 JST", "5.0", "GREEN"), "H"},
                    HeardOpeningCase{"ToldByTheIonosondesWithinTheCooldown", nullptr,
                                     wakkanaiEs("2026/12/07 10:15 JST", "9.5", "GREEN"), "B"},
                    HeardOpeningCase{"StalePage", nullptr,
                                     wakkanaiEs("2026/12/07 09:30 JST", "5.0", "GREEN"), ""},
                    HeardOpeningCase{"UnwatchedBand", "ESNotifyBand=28",
                                     wakkanaiEs("2026/12/07 10:15 JST", "5.0", "GREEN"), ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Heard while the page was stale, the opening comes with the next page's
// rise, in the same notification.
TEST(EsNotices, HeardOpeningFoldedIntoTheNextRise)
{
    const quint16 port = freeUdpPort();
    DesktopFixture f(false, {listenOn(port)});
    hearRecordedRun(f, port, wakkanaiEs("2026/12/07 09:30 JST", "5.0", "GREEN"));
    ASSERT_TRUE(f.sink.shown.empty());
    f.controller->reloadNow();
    f.deliverPage(); // Es 注意 at 10:15
    ASSERT_EQ(f.sink.shown.size(), 1u);
    EXPECT_TRUE(f.sink.shown[0].title.startsWith(u"Es "));
    EXPECT_TRUE(f.sink.shown[0].body.contains(QStringLiteral("50 MHz が開きました")));
    EXPECT_TRUE(f.sink.shown[0].body.contains(QStringLiteral("6 m: Es 圏内で ")));
}

} // namespace
