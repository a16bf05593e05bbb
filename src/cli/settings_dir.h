// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/settings_store.h"

#include <optional>

// The settings a command reads: the settings file in `directory` (--dir
// DIR), or where the program itself keeps it.
SettingsStore settingsIn(const std::optional<QString>& directory, MessageBoxes& boxes);

// Whether `directory` can serve as --dir of `command`; when not, a line on
// standard error tells why.
bool isSettingsDirectory(const QString& command, const QString& directory);
