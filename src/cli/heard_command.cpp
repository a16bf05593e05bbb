// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/heard_command.h"

#include "cli/cli_io.h"
#include "cli/heard_line.h"
#include "cli/log_reading.h"
#include "heard/dial_band.h"

#include <optional>

namespace {

struct HeardArgs {
    DateSpan span;
    QString band;
    bool json = false;
    std::optional<QString> database;
};

std::optional<HeardArgs> parseHeardArgs(const QStringList& args)
{
    const QString name = QStringLiteral("heard");
    HeardArgs parsed;
    for (const CommandArg& arg :
         readCommandLine(heardCommand().options, args, heardCommand().doubleDash)) {
        if (arg.kind != CommandArg::Kind::Option) {
            printError(QStringLiteral("heard: unknown argument %1 (try --help)").arg(arg.arg));
            return std::nullopt;
        }
        if (arg.name == u"json") {
            parsed.json = true;
        } else if (!arg.value || arg.value->isEmpty()) {
            printError(QStringLiteral("heard: %1 needs a value").arg(arg.arg));
            return std::nullopt;
        } else if (arg.name == u"db") {
            parsed.database = *arg.value;
        } else if (arg.name == u"band") {
            const std::optional<DialBand> band = bandNamed(*arg.value);
            if (!band) {
                printError(
                    QStringLiteral("heard: unknown band %1 (6m or 50, 10m or 28, 2m or 144 …)")
                        .arg(*arg.value));
                return std::nullopt;
            }
            parsed.band = band->name;
        } else if (!parsed.span.take(name, arg)) {
            return std::nullopt;
        }
    }
    if (!parsed.span.inOrder(name))
        return std::nullopt;
    return parsed;
}

int runHeard(const QStringList& args)
{
    const std::optional<HeardArgs> parsed = parseHeardArgs(args);
    if (!parsed)
        return ExitUsage;
    const LogToRead opened = openLogToRead(QStringLiteral("heard"), parsed->database);
    if (!opened.ok)
        return ExitUsage;
    if (!opened.log)
        return ExitOk;
    QByteArray out;
    for (const HeardRecord& record :
         opened.log->readHeard({parsed->span.since, parsed->span.until, parsed->band}))
        out += parsed->json ? heardJson(record) : heardText(record);
    printOut(out);
    return ExitOk;
}

} // namespace

const CliCommand& heardCommand()
{
    static const CliCommand command{
        QStringLiteral("heard"),
        QStringLiteral("[--since DATE] [--until DATE] [--band BAND] [--json] [--db FILE]"),
        QStringLiteral("print the stations WSJT-X and JTDX heard, from the history log"),
        QStringLiteral(
            "Prints the decodes that the window and watch --listen logged, in order of time, one "
            "line each: the time (JST), the call, its grid, the band, the SNR, the distance from "
            "home and the verdict on the path (open, closed, short, beyond, far, no-reading), "
            "fields apart by two blanks, \"-\" where unknown. With --json each is a JSON object "
            "as watch --listen --json prints it (\"kind\":\"heard\", the time in UTC, where the "
            "station is and how it was placed, the path and the Es it needs, the ionosonde "
            "nearest its midpoint and its Es), null where unknown. Without a log yet it prints "
            "nothing.\n") +
            dateHelp(),
        {},
        {
            sinceOption(QStringLiteral("decodes")),
            untilOption(QStringLiteral("decodes")),
            {QStringLiteral("band"),
             QStringLiteral("only decodes on BAND, by name or MHz: 6m or 50, 10m or 28, 2m or 144"),
             QStringLiteral("BAND")},
            {QStringLiteral("json"), QStringLiteral("print JSON Lines")},
            logFileOption(),
        },
        DoubleDash::IsArgument,
        QStringLiteral("Exit status: 0 when the decodes were printed, 2 for a usage error or a "
                       "FILE that is missing or not an Ondrel history log."),
        runHeard,
    };
    return command;
}
