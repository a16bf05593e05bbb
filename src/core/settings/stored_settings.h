// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class SettingsStore;

// Reads of section "ESConf" as the window's handlers make them.

// The stored text of `key`, or nothing when the key is missing.
std::optional<QString> storedText(SettingsStore& settings, const QString& key);

// The stored number of `key`, or `fallback` when missing. Text that is
// not a number fails (ProcedureFailure).
int storedNumber(SettingsStore& settings, const QString& key, int fallback);

// As storedNumber, but text that is not a number also gives `fallback`.
int storedNumberOr(SettingsStore& settings, const QString& key, int fallback);

// Stores `value` under `key` in section "ESConf".
void store(SettingsStore& settings, const QString& key, const QString& value);
