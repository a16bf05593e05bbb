// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_help.h"

#include "cli/cli_io.h"
#include "cli/command_table.h"

#include <algorithm>

namespace {

constexpr qsizetype kWidth = 79;
const QString kTool = QStringLiteral("ondrel-cli");

QCommandLineOption helpOption()
{
    return QCommandLineOption(QStringList{QStringLiteral("help"), QStringLiteral("h")},
                              QStringLiteral("show this text"));
}

// `text` set from `column` on, words a blank apart, in lines of at most
// kWidth characters; a line after the first starts at `indent`.
QString flowed(const QString& text, qsizetype column, qsizetype indent)
{
    QString out;
    qsizetype at = column;
    bool lineStarted = false;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (lineStarted && at + 1 + word.size() > kWidth) {
            out += u'\n' + QString(indent, u' ');
            at = indent;
            lineStarted = false;
        }
        if (lineStarted) {
            out += u' ';
            ++at;
        }
        out += word;
        at += word.size();
        lineStarted = true;
    }
    return out + u'\n';
}

// "-h, --help", "--timeout SECONDS".
QString optionName(const QCommandLineOption& option)
{
    QStringList names = option.names();
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return a.size() < b.size(); });
    for (QString& name : names)
        name.prepend(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"));
    QString shown = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        shown += u' ' + option.valueName();
    return shown;
}

// "  NAME   description", the description from `column` on.
QString listEntry(const QString& name, const QString& description, qsizetype column)
{
    QString entry = QStringLiteral("  ") + name;
    if (entry.size() + 2 > column)
        entry += u'\n' + QString(column, u' ');
    else
        entry = entry.leftJustified(column);
    return entry + flowed(description, column, column);
}

QString paragraphs(const QString& text)
{
    QString out;
    for (const QString& paragraph : text.split(u'\n', Qt::SkipEmptyParts))
        out += u'\n' + flowed(paragraph, 0, 0);
    return out;
}

int runHelp(const QStringList& args)
{
    const QList<CommandArg> line = readCommandLine({}, args, DoubleDash::IsArgument);
    if (line.isEmpty()) {
        printOut(overviewHelp());
        return ExitOk;
    }
    if (line.size() > 1) {
        printError(QStringLiteral("help: at most one COMMAND"));
        return ExitUsage;
    }
    const CliCommand* command = findCliCommand(line.first().arg);
    if (!command) {
        printError(QStringLiteral("help: unknown command %1 (try --help)").arg(line.first().arg));
        return ExitUsage;
    }
    printOut(commandHelp(*command));
    return ExitOk;
}

} // namespace

QByteArray overviewHelp()
{
    QString text = QStringLiteral("Usage: %1 COMMAND [ARGS]\n"
                                  "  or:  %1 --help | --version\n")
                       .arg(kTool);
    text += paragraphs(QStringLiteral(
        "Reads NICT's ionospheric alert page as the Ondrel window does, watches it without a "
        "window, turns its Es into band reach and draws the Es map, and shows the window's "
        "settings and Es history. Each command tells its arguments and options for -h or "
        "--help, and so does help COMMAND."));
    text += QStringLiteral("\nCommands:\n");
    qsizetype widest = 0;
    for (const CliCommand* command : cliCommands())
        widest = std::max(widest, command->name.size());
    for (const CliCommand* command : cliCommands())
        text += listEntry(command->name, command->summary, 2 + widest + 2);
    text += QStringLiteral("\nOptions:\n");
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("show the version"));
    for (const QCommandLineOption& option : {helpOption(), version})
        text += listEntry(optionName(option), option.description(), 14);
    text += paragraphs(QStringLiteral(
        "Exit status: 0 done (for parse, fetch, watch, reach and map: a page parsed), 1 "
        "settings get or unset of a key that is not stored, 2 usage error or unreadable input, "
        "3 any other outcome (no page, or a settings file that could not be read or "
        "written)."));
    return text.toUtf8();
}

QByteArray commandHelp(const CliCommand& command)
{
    QString text;
    const QString start = QStringLiteral("%1 %2 ").arg(kTool, command.name);
    bool first = true;
    for (const QString& synopsis : command.synopsis.split(u'\n')) {
        // Never wrapped: help2man, which makes the manual page, takes only
        // whole lines as the synopsis.
        text += (first ? QStringLiteral("Usage: ") : QStringLiteral("  or:  ")) + start + synopsis +
                u'\n';
        first = false;
    }
    text += paragraphs(command.description);

    QList<QCommandLineOption> options = command.options;
    options.append(helpOption());
    qsizetype widest = 0;
    for (const CliOperand& operand : command.operands)
        widest = std::max(widest, operand.name.size());
    for (const QCommandLineOption& option : options)
        widest = std::max(widest, optionName(option).size());
    const qsizetype column = std::min<qsizetype>(2 + widest + 2, 24);
    if (!command.operands.isEmpty()) {
        text += QStringLiteral("\nArguments:\n");
        for (const CliOperand& operand : command.operands)
            text += listEntry(operand.name, operand.description, column);
    }
    text += QStringLiteral("\nOptions:\n");
    for (const QCommandLineOption& option : options)
        text += listEntry(optionName(option), option.description(), column);
    text += paragraphs(command.exitStatus);
    return text.toUtf8();
}

bool asksForHelp(const CliCommand& command, const QStringList& args)
{
    QList<QCommandLineOption> options = command.options;
    options.append(helpOption());
    const QList<CommandArg> line = readCommandLine(options, args, command.doubleDash);
    return std::any_of(line.begin(), line.end(), [](const CommandArg& arg) {
        return arg.kind == CommandArg::Kind::Option && arg.name == u"help";
    });
}

const CliCommand& helpCommand()
{
    static const CliCommand command{
        QStringLiteral("help"),
        QStringLiteral("[COMMAND]"),
        QStringLiteral("show this text, or COMMAND's usage"),
        QStringLiteral("Prints the tool's usage, or with COMMAND what COMMAND --help prints."),
        {{QStringLiteral("COMMAND"), QStringLiteral("a command of ondrel-cli")}},
        {},
        DoubleDash::IsArgument,
        QStringLiteral("Exit status: 0, or 2 for a COMMAND that does not exist."),
        runHelp,
    };
    return command;
}
