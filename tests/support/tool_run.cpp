// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/tool_run.h"

#include <QProcess>
#include <QStandardPaths>

std::pair<int, QString> runTool(const char* tool, const QStringList& args)
{
    const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
    if (program.isEmpty())
        return {-1, QStringLiteral("%1 missing: run scripts/setup").arg(QLatin1String(tool))};
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    const bool done =
        process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return {done ? process.exitCode() : -1, QString::fromUtf8(process.readAll())};
}
