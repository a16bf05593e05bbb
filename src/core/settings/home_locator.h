// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class SettingsStore;

// The user's own locator (ESHome), held once for the whole program: the
// map, the tray and the notices read it here, and hear when it changes. A
// stored value that is no locator is told once on standard error.
class HomeLocator : public QObject {
    Q_OBJECT
public:
    explicit HomeLocator(SettingsStore& settings);

    // The canonical locator ("PM95vq"); empty for no home.
    const QString& locator() const { return m_locator; }

    // Stores a home (canonical, or empty for none) and tells its users.
    void set(const QString& locator);
    // Takes up what another writer (the settings window) stored.
    void reread();

signals:
    void changed(const QString& locator);

private:
    QString stored();

    SettingsStore& m_settings;
    QString m_locator;
    QString m_toldAbout; // the unusable value told of last
};
