// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/settings_feature.h"

#include "window/form_controller.h"
#include "window/key_bindings.h"
#include "window/settings_window.h"

#include <QShortcut>

SettingsFeature::SettingsFeature(QWidget& mainWindow, FormController& form, SettingsStore& settings)
    : m_mainWindow(mainWindow), m_settings(settings),
      m_shortcut(new QShortcut(keysFor(KeyAction::OpenSettings).constFirst(), &mainWindow))
{
    connect(m_shortcut, &QShortcut::activated, this, &SettingsFeature::openSettings);
    connect(this, &SettingsFeature::changed, &form, &FormController::followStoredSettings);
    connect(&form, &FormController::signalPaletteChanged, this, &SettingsFeature::showStored);
    connect(&form, &FormController::reloadPeriodChanged, this, &SettingsFeature::showStored);
    connect(&form, &FormController::keepInFrontChanged, this, &SettingsFeature::showStored);
    // A switch of the running window, as the tray menu has it.
    addRow(switchRow(
        QStringLiteral("keep-in-front"), QT_TRANSLATE_NOOP("Settings", "最前面に表示"),
        QT_TRANSLATE_NOOP("Settings", "この起動の間だけ。-T で起動すると最初からオン"),
        [&form] { return form.keepsInFront(); },
        [&form](bool on) {
            form.setKeepInFront(on);
            return QString();
        }));
}

SettingsFeature::~SettingsFeature()
{
    delete m_window.data();
    delete m_shortcut.data();
}

void SettingsFeature::addRow(SettingRow row)
{
    m_extraRows.push_back(std::move(row));
}

void SettingsFeature::openSettings()
{
    if (!m_window) {
        std::vector<SettingRow> rows = storedSettingRows(m_settings);
        rows.insert(rows.end(), m_extraRows.begin(), m_extraRows.end());
        m_window = new SettingsWindow(std::move(rows), &m_mainWindow);
        connect(m_window, &SettingsWindow::changed, this, &SettingsFeature::changed);
    }
    m_window->open();
}

void SettingsFeature::showStored()
{
    if (m_window)
        m_window->showStored();
}

SettingsWindow* SettingsFeature::window() const
{
    return m_window;
}
