#include "cli/cli_runner.h"

#include <QProcess>

CliRun runCli(const QStringList& args, const QByteArray& input, const QString& program)
{
    QProcess process;
    process.start(program, args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}
