// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system/session_bus.h"
#include "window/graphics_setup.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Window tests run without a display, in a fixed locale.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test needs the desktop's bus; the programs tests start inherit this.
    turnSessionBusOff();
    // Nor the user's data and state (the history log, the notices told):
    // what a test or a program it starts writes goes with the test.
    QTemporaryDir home;
    qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    prepareGraphics();
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
