// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system/session_bus.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// For tests that need an event loop but no windows.
int main(int argc, char** argv)
{
    // No test needs the desktop's bus; the programs tests start inherit this.
    turnSessionBusOff();
    // Nor the user's data and state (the history log, the notices told):
    // what a test or a program it starts writes goes with the test.
    QTemporaryDir home;
    qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
