// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/history_command.h"

#include "cli/cli_io.h"
#include "cli/log_reading.h"
#include "core/page/station_names.h"
#include "history/history_export.h"

#include <optional>

namespace {

struct HistoryArgs {
    HistoryFilter filter;
    DateSpan span;
    bool json = false;
    std::optional<QString> database;
};

// The log's code of a station given by code or by the name watch prints,
// letter case aside; empty when it names none.
QString stationCode(const QString& text)
{
    for (int k = 0; k < kStationCount; ++k) {
        if (text.compare(QLatin1StringView(kStationNames[k].ascii), Qt::CaseInsensitive) == 0)
            return QLatin1StringView(kStationCodes[k]);
    }
    const int index = stationIndex(text);
    return index < 0 ? QString() : QLatin1StringView(kStationCodes[index]);
}

QString stationChoices()
{
    QStringList names;
    QStringList codes;
    for (int k = 0; k < kStationCount; ++k) {
        names << QLatin1StringView(kStationNames[k].ascii);
        codes << QLatin1StringView(kStationCodes[k]);
    }
    return QStringLiteral("%1 or %2, or its code %3 or %4")
        .arg(names.mid(0, kStationCount - 1).join(QStringLiteral(", ")), names.last(),
             codes.mid(0, kStationCount - 1).join(QStringLiteral(", ")), codes.last());
}

std::optional<HistoryArgs> parseHistoryArgs(const QStringList& args)
{
    HistoryArgs parsed;
    bool formatGiven = false;
    for (const CommandArg& arg :
         readCommandLine(historyCommand().options, args, historyCommand().doubleDash)) {
        if (arg.kind != CommandArg::Kind::Option) {
            printError(QStringLiteral("history: unknown argument %1 (try --help)").arg(arg.arg));
            return std::nullopt;
        }
        if (arg.name == u"csv" || arg.name == u"json") {
            if (formatGiven && parsed.json != (arg.name == u"json")) {
                printError(QStringLiteral("history: --csv and --json exclude each other"));
                return std::nullopt;
            }
            formatGiven = true;
            parsed.json = arg.name == u"json";
            continue;
        }
        if (!arg.value || arg.value->isEmpty()) {
            printError(QStringLiteral("history: %1 needs a value").arg(arg.arg));
            return std::nullopt;
        }
        const QString& value = *arg.value;
        if (arg.name == u"db") {
            parsed.database = value;
        } else if (arg.name == u"station") {
            parsed.filter.station = stationCode(value);
            if (parsed.filter.station.isEmpty()) {
                printError(QStringLiteral("history: unknown station %1 (%2)")
                               .arg(value, stationChoices()));
                return std::nullopt;
            }
        } else if (!parsed.span.take(QStringLiteral("history"), arg)) {
            return std::nullopt;
        }
    }
    if (!parsed.span.inOrder(QStringLiteral("history")))
        return std::nullopt;
    parsed.filter.since = parsed.span.since;
    parsed.filter.until = parsed.span.until;
    return parsed;
}

int runHistory(const QStringList& args)
{
    const std::optional<HistoryArgs> parsed = parseHistoryArgs(args);
    if (!parsed)
        return ExitUsage;
    const LogToRead opened = openLogToRead(QStringLiteral("history"), parsed->database);
    if (!opened.ok)
        return ExitUsage;
    const std::vector<PageRecord> records =
        opened.log ? opened.log->read(parsed->filter) : std::vector<PageRecord>();
    if (!parsed->json) {
        printOut(historyCsv(records));
        return ExitOk;
    }
    QByteArray out;
    for (const PageRecord& record : records)
        out += jsonLine(record);
    printOut(out);
    return ExitOk;
}

} // namespace

const CliCommand& historyCommand()
{
    static const CliCommand command{
        QStringLiteral("history"),
        QStringLiteral(
            "[--since DATE] [--until DATE] [--station STATION] [--csv|--json] [--db FILE]"),
        QStringLiteral("print the logged Es readings as CSV or JSON"),
        QStringLiteral(
            "Prints the Es history log that the window writes, one row per page and station: "
            "CSV (RFC 4180, CRLF line ends) with a header line by default, or JSON Lines with the "
            "same keys, null where a value is missing. Without a log yet it prints the header "
            "only.\n") +
            dateHelp(),
        {},
        {
            sinceOption(QStringLiteral("readings")),
            untilOption(QStringLiteral("readings")),
            {QStringLiteral("station"),
             QStringLiteral("only STATION: %1, in any case").arg(stationChoices()),
             QStringLiteral("STATION")},
            {QStringLiteral("csv"), QStringLiteral("print CSV (the default)")},
            {QStringLiteral("json"), QStringLiteral("print JSON Lines")},
            logFileOption(),
        },
        DoubleDash::IsArgument,
        QStringLiteral("Exit status: 0 when the rows were printed, 2 for a usage error or a FILE "
                       "that is missing or not an Ondrel history log."),
        runHistory,
    };
    return command;
}
