// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/history_command.h"

#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "core/page/page_time.h"
#include "history/history_export.h"
#include "history/history_log.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTimeZone>

#include <optional>

namespace {

struct HistoryArgs {
    HistoryFilter filter;
    bool json = false;
    std::optional<QString> database;
};

// A date or time as given: "2026-12-07" (that day's start, or its last
// second, JST, as the page gives time), "2026-12-07 10:15" (JST), or ISO
// 8601 with a zone.
std::optional<QDateTime> parseWhen(const QString& text, bool endOfDay)
{
    // Only a bare date is a whole day: the ISO date reading would also take
    // the date off the front of a time.
    static const QRegularExpression dateOnly(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate day = dateOnly.match(text).hasMatch()
                          ? QDate::fromString(text, QStringLiteral("yyyy-MM-dd"))
                          : QDate();
    const QTimeZone jst = QTimeZone(9 * 3600);
    if (day.isValid()) {
        const QDateTime start(day, QTime(0, 0), jst);
        return (endOfDay ? start.addDays(1).addSecs(-1) : start).toUTC();
    }
    QDateTime when = QDateTime::fromString(text, Qt::ISODate);
    if (!when.isValid())
        return pageTimeToUtc(text);
    if (when.timeSpec() == Qt::LocalTime)
        when = QDateTime(when.date(), when.time(), jst);
    return when.toUTC();
}

std::optional<HistoryArgs> parseArgs(const QStringList& args)
{
    const QList<QCommandLineOption> declared{
        QCommandLineOption(QStringLiteral("csv")),
        QCommandLineOption(QStringLiteral("json")),
        {QStringLiteral("since"), {}, QStringLiteral("DATE")},
        {QStringLiteral("until"), {}, QStringLiteral("DATE")},
        {QStringLiteral("station"), {}, QStringLiteral("CODE")},
        {QStringLiteral("db"), {}, QStringLiteral("FILE")},
    };
    HistoryArgs parsed;
    bool formatGiven = false;
    for (const CommandArg& arg : readCommandLine(declared, args, DoubleDash::IsArgument)) {
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
            if (stationIndex(value) < 0) {
                printError(QStringLiteral("history: unknown station %1 (wk546, to536, yg431 "
                                          "or ok426)")
                               .arg(value));
                return std::nullopt;
            }
            parsed.filter.station = value.toLower();
        } else {
            const std::optional<QDateTime> when = parseWhen(value, arg.name == u"until");
            if (!when) {
                printError(QStringLiteral("history: %1 %2 is not a date").arg(arg.arg, value));
                return std::nullopt;
            }
            (arg.name == u"since" ? parsed.filter.since : parsed.filter.until) = when;
        }
    }
    return parsed;
}

} // namespace

int runHistoryCommand(const QStringList& args)
{
    const std::optional<HistoryArgs> parsed = parseArgs(args);
    if (!parsed)
        return ExitUsage;
    const QString path = parsed->database.value_or(defaultHistoryPath());
    std::vector<PageRecord> records;
    if (QFileInfo::exists(path) || parsed->database) {
        HistoryLog log(path, [](const QString& line) { printError(line); });
        if (!log.open(HistoryLog::Mode::ReadOnly)) {
            printError(QStringLiteral("history: %1").arg(log.lastError()));
            return ExitUsage;
        }
        records = log.read(parsed->filter);
    }
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
