// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/refresh/clock.h"
#include "core/refresh/refresh_loop.h"
#include "core/refresh/timer.h"
#include "core/settings/home_locator.h"
#include "core/settings/program_settings.h"
#include "core/settings/settings_directory.h"
#include "core/settings/settings_store.h"
#include "core/system/session_bus.h"
#include "core/system/stop_signals.h"
#include "desktop/desktop_integration.h"
#include "heard/heard_session.h"
#include "history/contact_log.h"
#include "history/heard_recorder.h"
#include "history/history_log.h"
#include "net/http_page_download.h"
#include "window/bring_to_front.h"
#include "window/command_line.h"
#include "window/fonts.h"
#include "window/form1.h"
#include "window/form_controller.h"
#include "window/graphics_setup.h"
#include "window/heard_feature.h"
#include "window/history_feature.h"
#include "window/interface_language.h"
#include "window/lazy_web_view.h"
#include "window/map_feature.h"
#include "window/qt_message_boxes.h"
#include "window/settings_feature.h"
#include "window/single_instance.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (const auto status = answerCommandLine(argc, argv))
        return *status;
    preventSessionBusAutolaunch();
    const WindowSystem windowSystem = prepareGraphics();
    if (windowSystem == WindowSystem::None) {
        std::fputs("ondrel: no display to show the window on (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set)\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ondrel"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setDesktopFileName(QStringLiteral("ondrel"));

    QStringList words = QCoreApplication::arguments().mid(1);
    const bool settingsAsked = takeSettingsOption(words);
    const QString arguments = words.join(u' ');

    // A second copy shows nothing and touches no setting: it asks the
    // running one to bring its window (or its settings window) to the
    // front and ends.
    SingleInstance instance;
    if (!instance.acquire()) {
        if (instance.activateRunning(settingsAsked ? SingleInstance::Request::Settings
                                                   : SingleInstance::Request::Show)) {
            std::fputs(settingsAsked
                           ? "ondrel: already running; its settings window was opened\n"
                           : "ondrel: already running; its window was brought to the front\n",
                       stderr);
            return 0;
        }
        std::fputs("ondrel: already running, but it did not answer within a second\n", stderr);
        return 1;
    }
    reportWindowSystem(windowSystem, QGuiApplication::platformName());

    // The language comes first: every widget takes its texts when made.
    QtMessageBoxes boxes;
    SettingsStore settings(defaultSettingsDirectory, boxes);
    const Translators translators =
        installInterfaceLanguage(ProgramSettings(settings).interfaceLanguage());
    installFontSubstitutions();
    Form1 window;
    // A logout, `systemctl --user stop` or Ctrl+C close the window as its
    // close button does, geometry stored, and end the program normally. Taken
    // before the first download starts: a signal then waits for the loop.
    StopSignals stopSignals(
        [&window](int) {
            window.close();
            QCoreApplication::exit(0);
        },
        {SIGTERM, SIGHUP, SIGINT});
    boxes.MsgOwnerWnd = &window;
    HttpPageDownload download;
    SystemClock clock;
    LazyWebView browser(window.WebBrowser1, boxes);
    QtTimer timer1;
    QtTimer timer2;
    RefreshLoop loop(download, boxes, clock, timer1);
    FormController form(
        window, loop, {boxes, clock, browser, settings, defaultSettingsDirectory, timer1, timer2});
    QObject::connect(&timer1.ticks(), &QTimer::timeout, &form, &FormController::Timer1_Timer);
    QObject::connect(&timer2.ticks(), &QTimer::timeout, &form, &FormController::Timer2_Timer);
    HistoryFeature history(window, loop, settings, defaultHistoryPath);
    HomeLocator home(settings);
    MapFeature map(window, loop, form, home, settings,
                   [&history] { return history.recorder().log(); });
    history.offerMap([&map] { map.openMap(); });
    map.setContacts(history.contacts());
    SettingsFeature settingsWindow(window, form, settings);
    // Start at login repeats the keep-in-front switch.
    DesktopIntegration desktop(
        window, form, loop, settings,
        {[&history] { history.openHistory(); }, [&map] { map.openMap(); }, {}}, settingsWindow,
        home, {nullptr, {}, QSystemTrayIcon::isSystemTrayAvailable(), asksKeepInFront(arguments)});
    // What WSJT-X and JTDX hear, on the map and in the history log; both
    // follow the session, which a changed setting replaces.
    HeardFeature heard({window, loop, settingsWindow, settings, home, clock,
                        [&history] { return history.recorder().log(); }});
    desktop.hearFrom(heard);
    QObject::connect(&heard, &HeardFeature::sessionChanged, &window,
                     [&map, &history](HeardSession* session) {
                         map.setHeardSession(session);
                         if (!session)
                             return;
                         // Goes with the session it records.
                         new HeardRecorder(
                             *session, [&history] { return history.recorder().log(); }, session);
                         // A QSO logged in WSJT-X counts once, whether by datagram or by file.
                         if (ContactLog* contacts = history.contacts())
                             QObject::connect(session, &HeardSession::loggedAdif, contacts,
                                              [contacts](const QString&, const QString& adif) {
                                                  contacts->addAdifText(adif);
                                              });
                     });
    heard.start();

    form.Form_Load(arguments);
    window.show();
    if (settingsAsked)
        settingsWindow.openSettings();
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     [&window] { bringToFront(window); });
    // The settings window stands by the main window: a minimised one comes back first.
    QObject::connect(&instance, &SingleInstance::settingsRequested, &settingsWindow,
                     [&window, &settingsWindow] {
                         bringToFront(window);
                         settingsWindow.openSettings();
                     });
    return QApplication::exec();
}
