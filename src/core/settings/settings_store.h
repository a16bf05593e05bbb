// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class MessageBoxes;

// The program's few settings, kept as text in "Ondrel.ini" in the
// settings directory (module INI_SET).
class SettingsStore {
public:
    // `settingsDirectory` gives the directory on each call; it may fail
    // (ProcedureFailure) when the directory cannot be obtained.
    SettingsStore(std::function<QString()> settingsDirectory, MessageBoxes& boxes);

    // Names the section and is what a read of a missing key returns.
    // Callers set it before each call; the store never does.
    QString IniSection;

    // Sets `value` to the stored text of `key`, blanks around it removed
    // and cut to 127 characters, or to IniSection when the file, section
    // or key is missing. A failure shows an "IGT" box and leaves `value`.
    void IniGet(const QString& key, QString& value);

    // Stores `value` under `key`; the key "NEW" instead deletes the file.
    // A failure shows an "IPT" box; a file that cannot be written is only
    // reported on standard error.
    void IniPut(const QString& key, const QString& value);

    // Removes `key` from the file, its other lines kept; false when it was
    // not set. A failure shows an "IPT" box; a file that cannot be written
    // is only reported on standard error.
    bool removeKey(const QString& key);

    // The file the next call uses, found afresh each time. Fails
    // (ProcedureFailure) when the settings directory cannot be obtained.
    QString settingsPath() const;

    // Whether the last IniGet, IniPut or removeKey failed or could not store its value.
    bool lastCallFailed() const { return m_lastCallFailed; }

private:
    void trapFailures(const QString& prefix, const std::function<void()>& operation);

    std::function<QString()> m_settingsDirectory;
    MessageBoxes& m_boxes;
    bool m_lastCallFailed = false;
};

// The settings file's name in the settings directory.
inline constexpr QLatin1StringView kSettingsFileName("Ondrel.ini");

// 1 when a regular file (not a directory) exists at `path`, else 0.
int FileExists(const QString& path);
