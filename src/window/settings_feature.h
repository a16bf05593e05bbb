// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/setting_row.h"

#include <QObject>
#include <QPointer>

#include <vector>

class FormController;
class QShortcut;
class QWidget;
class SettingsStore;
class SettingsWindow;

// The running program's settings window: Ctrl+, in the main window (or
// openSettings) shows it, made on first use from the settings file's rows
// and the rows added here. The main window takes up what it stores at
// once, and it shows what the main window's own controls store.
class SettingsFeature : public QObject {
    Q_OBJECT
public:
    SettingsFeature(QWidget& mainWindow, FormController& form, SettingsStore& settings);
    ~SettingsFeature() override;

    // A setting kept outside the settings file (start at login), listed
    // after the file's in the order added. Before the first openSettings.
    void addRow(SettingRow row);

    // Shows the window, raised.
    void openSettings();
    // The window, when made, shows the values in use again.
    void showStored();
    SettingsWindow* window() const;

signals:
    // The window stored a new value for `key`.
    void changed(const QString& key);

private:
    QWidget& m_mainWindow;
    SettingsStore& m_settings;
    std::vector<SettingRow> m_extraRows;
    QPointer<QShortcut> m_shortcut;
    QPointer<SettingsWindow> m_window;
};
