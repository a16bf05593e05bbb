// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class SettingsWindow;

// Enters `input` for the row of `key` from the keyboard: typed into a text
// field and confirmed with Return, a choice's stored value picked with the
// arrow keys, or (for a switch, whatever `input`) Space.
void enterSetting(SettingsWindow& window, const QString& key, const QString& input);
