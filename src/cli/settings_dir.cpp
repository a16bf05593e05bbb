// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/settings_dir.h"

#include "cli/cli_io.h"
#include "core/settings/settings_directory.h"

#include <QFileInfo>

SettingsStore settingsIn(const std::optional<QString>& directory, MessageBoxes& boxes)
{
    return SettingsStore(
        [directory] { return directory ? *directory : defaultSettingsDirectory(); }, boxes);
}

bool isSettingsDirectory(const QString& command, const QString& directory)
{
    const QFileInfo info(directory);
    if (info.isDir())
        return true;
    printError(info.exists()
                   ? QStringLiteral("%1: --dir %2 is not a directory.").arg(command, directory)
                   : QStringLiteral("%1: --dir %2 does not exist; create it first.")
                         .arg(command, directory));
    return false;
}
