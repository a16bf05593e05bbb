// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/parse_command.h"

#include "cli/cli_io.h"
#include "cli/readout_json.h"
#include "cli/refresh_problem.h"
#include "core/page/page_refresh.h"
#include "core/text/code_conv.h"

namespace {

int runParse(const QStringList& args)
{
    const QList<CommandArg> line =
        readCommandLine(parseCommand().options, args, parseCommand().doubleDash);
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
    if (outcome != RefreshOutcome::Parsed)
        printError(QStringLiteral("parse: ") + inputProblem(outcome, inputName(path)));
    printOut(readoutJson(outcomeName(outcome), state));
    return outcome == RefreshOutcome::Parsed ? ExitOk : ExitOutcome;
}

} // namespace

const CliCommand& parseCommand()
{
    static const CliCommand command{
        QStringLiteral("parse"),
        QStringLiteral("[FILE]"),
        QStringLiteral("read an alert page body from FILE (or standard input) and print what one "
                       "refresh shows, as JSON"),
        QStringLiteral(
            "Treats the input as the raw HTTP body of the alert page, runs one refresh on it from "
            "the state of a freshly started program and prints one JSON object on one line with "
            "the keys outcome (parsed, stopped, not-alert-page, forbidden or failed), "
            "header_opaque, status_item, alert_time, cells (15 objects with caption and colour "
            "\"#RRGGBB\"), summary_level, summary_mark, status_phrase, window_caption, "
            "station_detail and delay_note. Any outcome but parsed is also told in one line on "
            "standard error."),
        {{QStringLiteral("FILE"),
          QStringLiteral("the page body to read; standard input when absent or \"-\"")}},
        {},
        DoubleDash::IsArgument,
        QStringLiteral("Exit status: 0 when the page was parsed, 3 for any other outcome, 2 for "
                       "a usage error or a FILE that cannot be read."),
        runParse,
    };
    return command;
}
