// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/log_args.h"

#include "cli/log_reading.h"
#include "heard/dial_band.h"

QList<QCommandLineOption> logOptions()
{
    return {
        {QStringLiteral("band"),
         QStringLiteral("only contacts on BAND, as ADIF names it: 10m, 6m or 2m (or any other)"),
         QStringLiteral("BAND")},
        sinceOption(QStringLiteral("contacts")),
        untilOption(QStringLiteral("contacts")),
        {QStringLiteral("db"),
         QStringLiteral("take the pages from the history log FILE, never changing it, instead of "
                        "the per-user log ~/.local/share/ondrel/history.sqlite"),
         QStringLiteral("FILE")},
        {QStringLiteral("json"), QStringLiteral("print JSON Lines")},
        homeOption(),
        settingsDirOption(),
    };
}

std::optional<LogArgs> parseLogArgs(const CliCommand& command, const QStringList& args)
{
    LogArgs parsed;
    DateSpan span;
    const QString& name = command.name;
    for (const CommandArg& arg : readCommandLine(command.options, args, command.doubleDash)) {
        const SourceArg source = takeSourceArg(name, arg, parsed.source);
        if (source == SourceArg::Refused)
            return std::nullopt;
        if (source == SourceArg::Taken)
            continue;
        if (arg.name == u"json") {
            parsed.json = true;
            continue;
        }
        if (!arg.value || arg.value->isEmpty()) {
            printError(QStringLiteral("%1: %2 needs a value").arg(name, arg.arg));
            return std::nullopt;
        }
        const QString& value = *arg.value;
        if (arg.name == u"db") {
            parsed.database = value;
        } else if (arg.name == u"log") {
            parsed.logs << value;
        } else if (arg.name == u"band") {
            const std::optional<DialBand> band = bandNamed(value.toLower());
            if (!band) {
                printError(
                    QStringLiteral("%1: --band %2 is no band (such as 6m)").arg(name, value));
                return std::nullopt;
            }
            parsed.band = band->name;
        } else if (!span.take(name, arg)) {
            return std::nullopt;
        }
    }
    if (!span.inOrder(name))
        return std::nullopt;
    parsed.period.since = span.since;
    parsed.period.until = span.until;
    return parsed;
}
