// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the settings file lives: next to the executable when one is
// already there, or when the executable sits in a portable place (see
// isPortableDirectory); otherwise the per-user configuration directory
// ($XDG_CONFIG_HOME/ondrel), which is created only when a setting is
// written. Fails (ProcedureFailure) when neither is known.
QString defaultSettingsDirectory();

// The choice above between the two candidates.
QString chooseSettingsDirectory(const QString& executableDirectory, const QString& configDirectory);

// Whether a directory without a settings file may receive one: a folder of
// the user's own (a build folder, an unpacked copy), never an installed
// system's (under /usr, /opt or /snap, which root owns and so may write when
// run with sudo) nor one that belongs to someone else.
bool isPortableDirectory(const QString& directory, bool ownedByUser, bool writable);
