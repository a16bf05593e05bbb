#pragma once

#include <QString>

// Where the settings file lives: next to the executable when one is
// already there or the directory is writable (a portable install),
// otherwise the per-user configuration directory ($XDG_CONFIG_HOME/ondrel),
// which is created only when a setting is written. Fails
// (ProcedureFailure) when neither is known.
QString defaultProgramDirectory();

// The choice above between the two candidates.
QString chooseProgramDirectory(const QString& executableDirectory, const QString& configDirectory);
