// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings_directory.h"

#include "core/settings/settings_store.h"
#include "core/system/procedure_failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

QString defaultSettingsDirectory()
{
    return chooseSettingsDirectory(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString chooseSettingsDirectory(const QString& executableDirectory, const QString& configDirectory)
{
    if (!executableDirectory.isEmpty()) {
        const QFileInfo directory(executableDirectory);
        const bool hasSettings =
            FileExists(QDir(executableDirectory).filePath(kSettingsFileName)) == 1;
        if (hasSettings ||
            (directory.isDir() &&
             isPortableDirectory(executableDirectory, directory.ownerId() == ::geteuid(),
                                 directory.isWritable())))
            return executableDirectory;
    }
    if (configDirectory.isEmpty())
        throw ProcedureFailure("neither the executable's nor a configuration directory is known");
    return configDirectory;
}

bool isPortableDirectory(const QString& directory, bool ownedByUser, bool writable)
{
    const QString path = QDir::cleanPath(directory);
    for (const char* system : {"/usr", "/opt", "/snap"}) {
        const QString prefix = QLatin1String(system);
        if (path == prefix || path.startsWith(prefix + u'/'))
            return false;
    }
    return ownedByUser && writable;
}
