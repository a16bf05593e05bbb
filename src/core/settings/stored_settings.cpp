// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/stored_settings.h"

#include "core/text/number_text.h"
#include "core/settings/settings_store.h"
#include "core/text/text_helpers.h"

namespace {

const QString kSection = QStringLiteral("ESConf");

} // namespace

std::optional<QString> storedText(SettingsStore& settings, const QString& key)
{
    settings.IniSection = kSection;
    QString value;
    settings.IniGet(key, value);
    if (value == kSection)
        return std::nullopt;
    return value;
}

int storedNumber(SettingsStore& settings, const QString& key, int fallback)
{
    const auto text = storedText(settings, key);
    return text ? textToLong(*text) : fallback;
}

int storedNumberOr(SettingsStore& settings, const QString& key, int fallback)
{
    try {
        return storedNumber(settings, key, fallback);
    } catch (const ProcedureFailure&) {
        return fallback;
    }
}

void store(SettingsStore& settings, const QString& key, const QString& value)
{
    settings.IniSection = kSection;
    settings.IniPut(key, value);
}
