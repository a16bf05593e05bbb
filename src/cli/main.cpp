#include "cli/cli_io.h"
#include "cli/fetch_command.h"
#include "cli/parse_command.h"
#include "cli/settings_command.h"
#include "version.h"

#include <QCoreApplication>

namespace {

const char kUsage[] = "Usage: ondrel-cli COMMAND [ARGS]\n"
                      "\n"
                      "Commands:\n"
                      "  parse [FILE]   read an alert page body from FILE (or standard input,\n"
                      "                 also for '-') and print what one refresh shows, as JSON\n"
                      "  fetch [URL] [--timeout SECONDS] [--save FILE]\n"
                      "                 download the alert page (default: the provider's) and\n"
                      "                 print what one refresh shows, as parse does; --save\n"
                      "                 also writes the body as received\n"
                      "  settings [--dir DIR] path | get KEY | set KEY VALUE\n"
                      "                 print the settings file's path, print a setting of\n"
                      "                 section ESConf or store one (set NEW resets them all);\n"
                      "                 --dir uses DIR instead of the program's directory;\n"
                      "                 exit status 3 when the settings file fails\n"
                      "\n"
                      "Options:\n"
                      "  --help         show this text\n"
                      "  --version      show the version\n"
                      "\n"
                      "Exit status: 0 page parsed, 3 any other outcome, 2 usage error or\n"
                      "unreadable input.\n";

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ondrel"));
    QStringList args = QCoreApplication::arguments().mid(1);

    if (args.isEmpty()) {
        printError(QStringLiteral("no command given (try --help)"));
        return ExitUsage;
    }
    const QString command = args.takeFirst();
    if (command == u"--help" || command == u"-h") {
        printOut(kUsage);
        return ExitOk;
    }
    if (command == u"--version") {
        printOut("ondrel-cli " ONDREL_VERSION "\n");
        return ExitOk;
    }
    if (command == u"parse")
        return runParseCommand(args);
    if (command == u"fetch")
        return runFetchCommand(args);
    if (command == u"settings")
        return runSettingsCommand(args);
    printError(QStringLiteral("unknown command %1 (try --help)").arg(command));
    return ExitUsage;
}
