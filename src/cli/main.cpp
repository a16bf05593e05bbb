#include "cli/cli_io.h"
#include "cli/parse_command.h"
#include "version.h"

#include <QCoreApplication>

namespace {

const char kUsage[] = "Usage: ondrel-cli COMMAND [ARGS]\n"
                      "\n"
                      "Commands:\n"
                      "  parse [FILE]   read an alert page body from FILE (or standard input,\n"
                      "                 also for '-') and print what one refresh shows, as JSON\n"
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
    printError(QStringLiteral("unknown command %1 (try --help)").arg(command));
    return ExitUsage;
}
