// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_help.h"
#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/command_table.h"
#include "core/system/session_bus.h"
#include "core/version.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace {

QtMessageHandler g_qtMessages = nullptr;

// A GUI application looks for a Flatpak sandbox's marker in the runtime
// directory, which a cron job or a plain ssh session does not have; drawing
// into an image needs none, so the warning would be noise on every run.
void quietAboutRuntimeDir(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"))
        g_qtMessages(type, context, text);
}

// A command that draws gets a GUI application on the offscreen platform,
// which needs no display whatever the environment says, and never sees
// the command's arguments (Qt would take some, such as -platform, for
// itself); the others run on QtCore alone.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv, bool draws)
{
    if (!draws)
        return std::make_unique<QCoreApplication>(argc, argv);
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    static char* guiArgv[] = {argv[0], platform, offscreen, nullptr};
    static int guiArgc = 3;
    g_qtMessages = qInstallMessageHandler(quietAboutRuntimeDir);
    auto app = std::make_unique<QGuiApplication>(guiArgc, guiArgv);
    qInstallMessageHandler(g_qtMessages);
    return app;
}

} // namespace

int main(int argc, char* argv[])
{
    preventSessionBusAutolaunch();
    // Read as QCoreApplication::arguments() would read them.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const CliCommand* command = args.isEmpty() ? nullptr : findCliCommand(args.first());
    const std::unique_ptr<QCoreApplication> app =
        makeApplication(argc, argv, command && command->draws);
    QCoreApplication::setApplicationName(QStringLiteral("ondrel"));

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
