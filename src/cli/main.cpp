// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_help.h"
#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/command_table.h"
#include "core/system/session_bus.h"
#include "core/version.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    preventSessionBusAutolaunch();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ondrel"));
    QStringList args = QCoreApplication::arguments().mid(1);

    if (args.isEmpty()) {
        printError(QStringLiteral("no command given (try --help)"));
        return ExitUsage;
    }
    // The first argument alone is the tool's; the others are the command's.
    const QList<QCommandLineOption> declared{
        QCommandLineOption(QStringList{QStringLiteral("help"), QStringLiteral("h")}),
        QCommandLineOption(QStringLiteral("version")),
    };
    const CommandArg first =
        readCommandLine(declared, {args.takeFirst()}, DoubleDash::IsArgument).first();
    if (first.name == u"help") {
        printOut(overviewHelp());
        return ExitOk;
    }
    if (first.name == u"version") {
        printOut("ondrel-cli " ONDREL_VERSION "\n");
        return ExitOk;
    }
    const CliCommand* command = findCliCommand(first.arg);
    if (!command) {
        printError(QStringLiteral("unknown command %1 (try --help)").arg(first.arg));
        return ExitUsage;
    }
    if (asksForHelp(*command, args)) {
        printOut(commandHelp(*command));
        return ExitOk;
    }
    return command->run(args);
}
