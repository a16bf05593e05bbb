// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/page_refresh.h"
#include "core/status/es_notice_policy.h"
#include "desktop/autostart.h"
#include "desktop/tray_icon.h"
#include "reach/band_openings.h"
#include "window/setting_row.h"

#include <QObject>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class FormController;
class HeardFeature;
class HomeLocator;
class NoticeSink;
class QWidget;
class RefreshLoop;
class SettingsFeature;
class SettingsStore;
class TrayIcon;

// What the desktop integration takes from outside; tests replace it.
struct DesktopSeams {
    // Where notices go; the session bus's notification service (falling
    // back to the tray's balloon) when null.
    NoticeSink* sink = nullptr;
    // The wall clock, seconds since the epoch; the system's when empty.
    std::function<std::chrono::seconds()> now;
    // Whether to show a tray icon; the program asks the desktop.
    bool tray = false;
    // Whether the window was started with "-T"; starting at login keeps it.
    bool startedInFront = false;
    // Where the login autostart entry goes; the user's autostart directory
    // when empty.
    QString autostartDirectory = {};
    // Where what was last notified is kept across restarts;
    // $XDG_STATE_HOME/ondrel/notified when empty.
    QString noticeMemory = {};
};

// The tray icon and the Es notifications, updated after each refresh, and
// start at login. Adds to the window, changes nothing in it; the settings
// window gets a row for start at login, and it and the tray menu show
// what the other changed.
class DesktopIntegration {
public:
    // `form` for the tray menu's actions, `open` the history and map
    // windows (the settings window's own is filled in); `home` the user's
    // locator for where Es reaches.
    DesktopIntegration(QWidget& window, FormController& form, RefreshLoop& loop,
                       SettingsStore& settings, TrayOpeners open, SettingsFeature& settingsWindow,
                       HomeLocator& home, DesktopSeams seams);
    ~DesktopIntegration();

    // Adds what WSJT-X and JTDX hear: a line per band to the tooltip and
    // the notices, a band's opening told by a station heard in Es range,
    // and the listener's trouble told once in the tray.
    void hearFrom(HeardFeature& heard);

    // Null without a system tray.
    TrayIcon* tray() const { return m_tray.get(); }

    bool notificationsOn() const { return m_policy.enabled; }
    // Turns notifications on or off and stores the choice (ESNotify).
    void setNotificationsOn(bool on);

    bool startsAtLogin() const { return m_autostart.isOn(); }
    // Writes or removes the login autostart entry; a failure is reported
    // on standard error. Whether it is on afterwards.
    bool setStartsAtLogin(bool on);

private:
    void refreshed(const ReadoutState& readout);
    void showInTray(const ReadoutState& readout);
    // Where Es reaches with the last page (none before the first) and, in
    // the Es map's words, m_reachLines.
    void takeReach(std::optional<ReachReport> reach);
    // The notice this refresh calls for: a rise, a band's opening, or both
    // in one; `bands` gets the bands (MHz) it tells of.
    std::optional<EsNotice> noticeFor(const ReadoutState& readout, std::vector<int>& bands);
    // A station heard in Es range on `bandMHz` tells the band's opening
    // when the ionosondes did not, with a current page.
    void heardOpening(int bandMHz);
    // The bands heard in Es range lately, among those watched.
    std::vector<int> heardBands() const;
    // The lines ending the tooltip and the band notices.
    QStringList reachAndHeardLines() const;
    // Shows `notice`, telling of `bands`; remembered as told once it
    // reached the user.
    void tell(const EsNotice& notice, const std::vector<int>& bands, bool afterRefresh);
    // Takes up the notification settings the settings window stored.
    void followStoredSettings();
    // Why the entry could not be written or removed; empty when it was.
    QString switchAutostart(bool on);
    SettingRow autostartRow();

    SettingsStore& m_settings;
    RefreshLoop& m_loop;
    SettingsFeature& m_settingsWindow;
    HeardFeature* m_heard = nullptr;
    HomeLocator& m_home;
    EsNoticePolicy m_policy;
    std::optional<ReachReport> m_reach;
    QStringList m_reachLines;
    BandOpenings m_bandOpenings;
    std::vector<int> m_notifyBands;
    std::function<std::chrono::seconds()> m_now;
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<NoticeSink> m_ownSink;
    NoticeSink* m_sink;
    LoginAutostart m_autostart;
    bool m_startedInFront;
    QString m_memoryPath;
    // Gone with this object: a notice's delivery told later finds no one.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    // Ends the connection to the window's refreshes first.
    QObject m_context;
};
