// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// `ondrel-cli watch [URL] [--period SECONDS] [--dir DIR] [--json]`: reloads
// the alert page on the window's schedule and prints one line per accepted
// page until SIGINT or SIGTERM.
int runWatchCommand(const QStringList& args);
