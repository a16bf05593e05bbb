// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/history_source.h"

#include "cli/cli_io.h"
#include "core/page/page_time.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTimeZone>

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

std::optional<std::vector<PageRecord>> readHistoryLog(const QString& command,
                                                      const std::optional<QString>& database,
                                                      const HistoryFilter& filter)
{
    const QString path = database.value_or(defaultHistoryPath());
    if (!QFileInfo::exists(path) && !database)
        return std::vector<PageRecord>();
    HistoryLog log(path, [](const QString& line) { printError(line); });
    if (!log.open(HistoryLog::Mode::ReadOnly)) {
        printError(log.lastOpenFailure() == HistoryLog::OpenFailure::NotALog
                       ? QStringLiteral("%1: %2 is not an Ondrel history log (%3).")
                             .arg(command, path, log.lastError())
                       : QStringLiteral("%1: %2").arg(command, log.lastError()));
        return std::nullopt;
    }
    return log.read(filter);
}
