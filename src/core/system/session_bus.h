// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the session has a message bus: an address in
// DBUS_SESSION_BUS_ADDRESS, or the user bus at $XDG_RUNTIME_DIR/bus.
bool sessionBusAvailable();

// Makes every D-Bus client of this process and of the programs it starts
// find no session bus.
void turnSessionBusOff();

// Without a session bus, libdbus starts one of its own for the first client
// (dbus-launch and a dbus-daemon through X11 autolaunch) that outlives the
// program. Called before anything speaks D-Bus (Qt's accessibility, the
// tray, the web engine), this turns the session bus off when there is none.
void preventSessionBusAutolaunch();
