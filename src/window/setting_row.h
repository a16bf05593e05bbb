// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/program_settings.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class SettingsStore;

// One line of the settings window: what the setting means and takes
// (meaning.form), and where its value is kept.
struct SettingRow {
    SettingMeaning meaning;
    // The stored text; nothing when none is stored.
    std::function<std::optional<QString>()> read;
    // Stores a value the row takes; why it could not, empty when it did.
    std::function<QString(const QString& value)> write;
};

// A row for each key of settingMeanings() that has a form, kept in
// `store`'s section as ProgramSettings keeps it.
std::vector<SettingRow> storedSettingRows(SettingsStore& store);

// A switch kept outside the settings file, off unless turned on, named
// `name` for SettingsWindow::field: `isOn` tells whether it is on, `turn`
// switches it and says why it could not (translated; empty when it did).
// `label` and `note` (or null) are translated in the context "Settings".
SettingRow switchRow(const QString& name, const char* label, const char* note,
                     std::function<bool()> isOn, std::function<QString(bool on)> turn);

// What the program makes of the row now: the stored text where it takes
// it, else the default.
QString valueInUse(const SettingRow& row);

// What a person typed or chose, as it would be stored, or why the row
// refuses it.
struct SettingInput {
    QString value;
    QString refusal; // translated; empty when `value` may be stored
};
SettingInput readInput(const SettingRow& row, const QString& typed);

// A Switch row's text ("1", "0" and other numbers) as on or off.
bool switchedOn(const QString& value);

// The line under the row: what it takes, its default, when it applies.
QString settingHint(const SettingRow& row);

// The row's label and a choice's, translated.
QString settingLabel(const SettingRow& row);
QString choiceLabel(const SettingChoice& choice);
