// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/setting_row.h"

#include "core/settings/settings_store.h"
#include "core/system/procedure_failure.h"
#include "core/text/locator_text.h"
#include "core/text/number_text.h"

#include <QCoreApplication>

#include <limits>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("Settings", text);
}

bool unbounded(const SettingForm& form)
{
    return form.high == std::numeric_limits<int>::max();
}

QString numberRefusal(const SettingForm& form, const QString& typed)
{
    const QString unit = translated(form.unit);
    if (unbounded(form))
        return QCoreApplication::translate("Settings",
                                           "「%1」は使えません。%2 %3以上の整数を入れてください")
            .arg(typed, QString::number(form.low), unit);
    return QCoreApplication::translate("Settings",
                                       "「%1」は使えません。%2～%3 %4の整数を入れてください")
        .arg(typed, QString::number(form.low), QString::number(form.high), unit);
}

QString defaultText(const SettingRow& row)
{
    const SettingForm& form = row.meaning.form;
    const QString& missing = row.meaning.missing;
    switch (form.kind) {
    case SettingForm::Kind::Switch:
        return switchedOn(missing) ? QCoreApplication::translate("Settings", "オン")
                                   : QCoreApplication::translate("Settings", "オフ");
    case SettingForm::Kind::Choice:
        for (const SettingChoice& choice : form.choices) {
            if (choice.value == missing)
                return choiceLabel(choice);
        }
        return missing;
    default:
        return missing.isEmpty() ? QCoreApplication::translate("Settings", "なし") : missing;
    }
}

} // namespace

std::vector<SettingRow> storedSettingRows(SettingsStore& store)
{
    std::vector<SettingRow> rows;
    for (SettingMeaning& meaning : settingMeanings()) {
        if (meaning.form.kind == SettingForm::Kind::None)
            continue;
        const QString key = meaning.key;
        rows.push_back(
            {std::move(meaning), [&store, key] { return ProgramSettings(store).text(key); },
             [&store, key](const QString& value) {
                 ProgramSettings(store).setText(key, value);
                 return store.lastCallFailed()
                            ? QCoreApplication::translate("Settings",
                                                          "設定ファイルに書き込めませんでした")
                            : QString();
             }});
    }
    return rows;
}

SettingRow switchRow(const QString& name, const char* label, const char* note,
                     std::function<bool()> isOn, std::function<QString(bool on)> turn)
{
    SettingForm form{SettingForm::Kind::Switch, label};
    form.note = note;
    return {{name,
             QString::fromUtf8(label),
             QStringLiteral("on or off"),
             QStringLiteral("0"),
             {},
             [](const QString&) { return true; },
             std::move(form)},
            [isOn = std::move(isOn)] {
                return std::optional<QString>(isOn() ? QStringLiteral("1") : QStringLiteral("0"));
            },
            [turn = std::move(turn)](const QString& value) { return turn(switchedOn(value)); }};
}

QString valueInUse(const SettingRow& row)
{
    const std::optional<QString> stored = row.read();
    return stored && row.meaning.uses(*stored) ? *stored : row.meaning.missing;
}

SettingInput readInput(const SettingRow& row, const QString& typed)
{
    const SettingForm& form = row.meaning.form;
    const QString text = typed.trimmed();
    switch (form.kind) {
    case SettingForm::Kind::Number: {
        bool ok = false;
        const int number = text.toInt(&ok);
        if (!ok || number < form.low || number > form.high)
            return {{}, numberRefusal(form, text)};
        return {QString::number(number), {}};
    }
    case SettingForm::Kind::Address:
        if (!row.meaning.uses(text))
            return {{},
                    QCoreApplication::translate(
                        "Settings", "「%1」は http または https のアドレスではありません")
                        .arg(text)};
        return {text, {}};
    case SettingForm::Kind::Locator: {
        if (text.isEmpty())
            return {text, {}};
        const std::optional<QString> locator = canonicalLocator(text);
        if (!locator)
            return {{}, locatorRefusal(text)};
        return {*locator, {}};
    }
    case SettingForm::Kind::Text:
        if (!row.meaning.uses(text))
            return {{}, QCoreApplication::translate("Settings", "「%1」は使えません").arg(text)};
        return {text, {}};
    default:
        return {text, {}};
    }
}

bool switchedOn(const QString& value)
{
    try {
        return textToLong(value) != 0;
    } catch (const ProcedureFailure&) {
        return false;
    }
}

QString settingHint(const SettingRow& row)
{
    const SettingForm& form = row.meaning.form;
    QString hint;
    if (form.kind == SettingForm::Kind::Number)
        hint = unbounded(form)
                   ? QCoreApplication::translate("Settings", "%1 %2以上、既定 %3")
                         .arg(QString::number(form.low), translated(form.unit), defaultText(row))
                   : QCoreApplication::translate("Settings", "%1～%2 %3、既定 %4")
                         .arg(QString::number(form.low), QString::number(form.high),
                              translated(form.unit), defaultText(row));
    else if (form.kind == SettingForm::Kind::Address)
        hint = QCoreApplication::translate("Settings", "既定 %1（空欄でも既定）")
                   .arg(defaultText(row));
    else
        hint = QCoreApplication::translate("Settings", "既定 %1").arg(defaultText(row));
    return form.note ? QCoreApplication::translate("Settings", "%1（%2）")
                           .arg(hint, translated(form.note))
                     : hint;
}

QString settingLabel(const SettingRow& row)
{
    return translated(row.meaning.form.label);
}

QString choiceLabel(const SettingChoice& choice)
{
    return translated(choice.label);
}
