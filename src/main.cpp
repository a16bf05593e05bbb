// SPDX-License-Identifier: GPL-3.0-or-later
#include "alert/http_page_download.h"
#include "app/clock.h"
#include "app/command_line.h"
#include "app/desktop_integration.h"
#include "app/form_controller.h"
#include "app/graphics_setup.h"
#include "app/pane_browser.h"
#include "app/single_instance.h"
#include "history/history_log.h"
#include "support/program_directory.h"
#include "support/qt_message_boxes.h"
#include "view/fonts.h"
#include "view/form1.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (const auto status = answerCommandLine(argc, argv))
        return *status;
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

    // A second copy shows nothing and touches no setting: it asks the
    // running one to bring its window to the front and ends.
    SingleInstance instance;
    if (!instance.acquire()) {
        if (instance.activateRunning()) {
            std::fputs("ondrel: already running; its window was brought to the front\n", stderr);
            return 0;
        }
        std::fputs("ondrel: already running, but it did not answer within a second\n", stderr);
        return 1;
    }
    reportWindowSystem(windowSystem, QGuiApplication::platformName());

    installFontSubstitutions();
    Form1 window;
    QtMessageBoxes boxes;
    boxes.MsgOwnerWnd = &window;
    HttpPageDownload download;
    SystemClock clock;
    PaneBrowser browser(window.WebBrowser1);
    FormController form(window, {download, boxes, clock, browser, defaultProgramDirectory, nullptr,
                                 nullptr, defaultHistoryPath});
    const QString arguments = QCoreApplication::arguments().mid(1).join(u' ');
    // Start at login repeats the keep-in-front switch.
    DesktopIntegration desktop(form, {nullptr, {}, QSystemTrayIcon::isSystemTrayAvailable(),
                                      asksKeepInFront(arguments)});

    form.startup.Form_Load(arguments);
    window.show();
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    return QApplication::exec();
}
