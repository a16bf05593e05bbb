// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system/session_bus.h"

#include <QFileInfo>
#include <QString>
#include <QtGlobal>

namespace {

// An address of a transport libdbus does not know: connecting fails at
// once, with no autolaunch.
constexpr char kNoBus[] = "disabled:";

} // namespace

bool sessionBusAvailable()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return qgetenv("DBUS_SESSION_BUS_ADDRESS") != kNoBus;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

void turnSessionBusOff()
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", kNoBus);
}

void preventSessionBusAutolaunch()
{
    if (!sessionBusAvailable())
        turnSessionBusOff();
}
