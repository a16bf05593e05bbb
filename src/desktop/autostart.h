// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The XDG autostart entry that starts Ondrel when the user logs in.
class LoginAutostart {
public:
    // `directory` holds the user's autostart entries; empty means
    // $XDG_CONFIG_HOME/autostart.
    explicit LoginAutostart(QString directory = {});

    QString filePath() const;
    bool isOn() const;

    // Writes the entry, starting `program` (with "-T" when `keepInFront`),
    // or removes it. Empty on success, else why it failed.
    QString turnOn(const QString& program, bool keepInFront) const;
    QString turnOff() const;

private:
    QString m_directory;
};

// The entry's text.
QByteArray autostartEntry(const QString& program, bool keepInFront);

// `argument` as an Exec= value's word: quoted where it holds a reserved
// character, % doubled, escaped as a desktop entry string.
QString execArgument(const QString& argument);
