// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/parse_command.h"

#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/readout_json.h"
#include "core/page/page_refresh.h"
#include "core/text/code_conv.h"

int runParseCommand(const QStringList& args)
{
    const QList<CommandArg> line = readCommandLine({}, args, DoubleDash::IsArgument);
    for (const CommandArg& arg : line) {
        if (arg.arg.startsWith(u'-') && arg.arg != u"-") {
            printError(QStringLiteral("parse: unknown option %1").arg(arg.arg));
            return ExitUsage;
        }
    }
    if (line.size() > 1) {
        printError(QStringLiteral("parse: at most one FILE"));
        return ExitUsage;
    }
    const QString path = line.isEmpty() ? QStringLiteral("-") : line.first().arg;

    const auto body = readInput(path);
    if (!body)
        return ExitUsage;

    ReadoutState state;
    CodeConv conv;
    const RefreshOutcome outcome = refreshFromStart(*body, state, conv);
    printOut(readoutJson(outcomeName(outcome), state));
    return outcome == RefreshOutcome::Parsed ? ExitOk : ExitOutcome;
}
