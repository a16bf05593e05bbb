// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// ondrel-cli settings [--dir DIR] (path | get KEY | set KEY VALUE): shows
// or changes the program's settings file, section "ESConf", as the
// program itself would. Returns the exit status.
int runSettingsCommand(const QStringList& args);
