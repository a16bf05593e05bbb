// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/fetch_command.h"
#include "cli/history_command.h"
#include "cli/parse_command.h"
#include "cli/settings_command.h"
#include "cli/watch_command.h"
#include "core/system/session_bus.h"
#include "core/version.h"

#include <QCoreApplication>

namespace {

const char kUsage[] = "Usage: ondrel-cli COMMAND [ARGS]\n"
                      "\n"
                      "Commands:\n"
                      "  parse [FILE]   read an alert page body from FILE (or standard input,\n"
                      "                 also for '-') and print what one refresh shows, as JSON\n"
                      "  fetch [URL] [--timeout SECONDS] [--save FILE] [--dir DIR]\n"
                      "                 download the alert page (default: from the stored\n"
                      "                 ESHost, else the provider's) and print what one refresh\n"
                      "                 shows, as parse does, with http_status and error; a\n"
                      "                 failure's cause goes to standard error; --save also\n"
                      "                 writes the body as received; --dir as for settings\n"
                      "  settings [--dir DIR] path | get KEY | set KEY VALUE\n"
                      "                 print the settings file's path, print a setting of\n"
                      "                 section ESConf or store one (set NEW resets them all);\n"
                      "                 --dir uses DIR (which must exist) instead of the\n"
                      "                 program's directory; get of a key not stored exits 1;\n"
                      "                 exit status 3 when the settings file fails\n"
                      "  watch [URL] [--period SECONDS] [--dir DIR] [--json] [--all]\n"
                      "                 reload the alert page on the window's schedule (period\n"
                      "                 60 to 900, default the stored TM2 or 180; --dir as for\n"
                      "                 settings) and print one line per new page time: the\n"
                      "                 page time, es=quiet|caution|alert, then each station's\n"
                      "                 values and signals; --all prints every accepted page;\n"
                      "                 --json prints parse's object instead;\n"
                      "                 SIGINT or SIGTERM ends it with status 0\n"
                      "  history [--since DATE] [--until DATE] [--station CODE] [--csv|--json]\n"
                      "          [--db FILE]\n"
                      "                 print the logged readings as CSV with a header (default)\n"
                      "                 or JSON, one object per line; DATE is 2026-12-07 (the\n"
                      "                 whole day, JST), 2026-12-07 10:15 (JST) or an ISO 8601\n"
                      "                 time with a zone, bounds inclusive to the second; CODE\n"
                      "                 wk546, to536, yg431 or ok426;\n"
                      "                 --db reads FILE instead of the per-user log\n"
                      "\n"
                      "Options:\n"
                      "  --help         show this text\n"
                      "  --version      show the version\n"
                      "\n"
                      "Exit status: 0 page parsed, 3 any other outcome, 2 usage error or\n"
                      "unreadable input, 1 settings get of a key not stored.\n";

} // namespace

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
        printOut(kUsage);
        return ExitOk;
    }
    if (first.name == u"version") {
        printOut("ondrel-cli " ONDREL_VERSION "\n");
        return ExitOk;
    }
    const QString& command = first.arg;
    if (command == u"parse")
        return runParseCommand(args);
    if (command == u"fetch")
        return runFetchCommand(args);
    if (command == u"history")
        return runHistoryCommand(args);
    if (command == u"settings")
        return runSettingsCommand(args);
    if (command == u"watch")
        return runWatchCommand(args);
    printError(QStringLiteral("unknown command %1 (try --help)").arg(command));
    return ExitUsage;
}
