// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/log_reading.h"

#include "cli/cli_io.h"
#include "core/page/page_time.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTimeZone>

namespace {

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

} // namespace

QString dateHelp()
{
    return QStringLiteral(
        "DATE is a day (2026-12-07: from the start or to the end of that day, JST), a time "
        "in JST (2026-12-07 10:15) or an ISO 8601 time with a zone (2026-12-07T01:15Z); both "
        "bounds are inclusive to the second.");
}

QCommandLineOption sinceOption(const QString& what)
{
    return {QStringLiteral("since"), QStringLiteral("only %1 at or after DATE").arg(what),
            QStringLiteral("DATE")};
}

QCommandLineOption untilOption(const QString& what)
{
    return {QStringLiteral("until"), QStringLiteral("only %1 at or before DATE").arg(what),
            QStringLiteral("DATE")};
}

bool DateSpan::take(const QString& command, const CommandArg& arg)
{
    const QString& value = *arg.value;
    const std::optional<QDateTime> when = parseWhen(value, arg.name == u"until");
    if (!when) {
        printError(QStringLiteral("%1: %2 %3 is not a date; give a day (2026-12-07), a time in JST "
                                  "(2026-12-07 10:15) or an ISO 8601 time with a zone "
                                  "(2026-12-07T01:15Z)")
                       .arg(command, arg.arg, value));
        return false;
    }
    if (arg.name == u"since") {
        since = when;
        m_sinceText = value;
    } else {
        until = when;
        m_untilText = value;
    }
    return true;
}

bool DateSpan::inOrder(const QString& command) const
{
    if (!since || !until || *since <= *until)
        return true;
    printError(QStringLiteral("%1: --since %2 is later than --until %3")
                   .arg(command, m_sinceText, m_untilText));
    return false;
}

QCommandLineOption logFileOption()
{
    return {QStringLiteral("db"),
            QStringLiteral("read the log FILE, never changing it, instead of the per-user log "
                           "~/.local/share/ondrel/history.sqlite"),
            QStringLiteral("FILE")};
}

LogToRead openLogToRead(const QString& command, const std::optional<QString>& database)
{
    const QString path = database.value_or(defaultHistoryPath());
    if (!database && !QFileInfo::exists(path))
        return {true, nullptr};
    auto log = std::make_unique<HistoryLog>(path, [](const QString& line) { printError(line); });
    if (!log->open(HistoryLog::Mode::ReadOnly)) {
        printError(log->lastOpenFailure() == HistoryLog::OpenFailure::NotALog
                       ? QStringLiteral("%1: %2 is not an Ondrel history log (%3).")
                             .arg(command, path, log->lastError())
                       : QStringLiteral("%1: %2").arg(command, log->lastError()));
        return {false, nullptr};
    }
    return {true, std::move(log)};
}
