// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cli_runner.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

CliRun runCli(const QStringList& args, const QByteArray& input, const QString& program)
{
    QProcess process;
    process.start(program, args);
    process.write(input);
    process.closeWriteChannel();
    // Keep this process's event loop going meanwhile: a test may serve the
    // tool from here.
    const QDeadlineTimer deadline(30000);
    while (!process.waitForFinished(20) && process.state() != QProcess::NotRunning &&
           !deadline.hasExpired()) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}
