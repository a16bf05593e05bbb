// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_export.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const char* const kReadingNames[] = {"fmax", "fmin", "es"};

QString numberText(const std::optional<double>& value)
{
    return value ? QString::number(*value, 'g', 12) : QString();
}

QString csvField(const QString& text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); }))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// The record's fields in column order; empty where a value is missing.
QStringList fields(const PageRecord& r)
{
    QStringList out{r.pageTime, r.pageTimeUtc ? utcText(*r.pageTimeUtc) : QString(),
                    utcText(r.fetchedUtc), r.station};
    for (int c = 0; c < 3; ++c)
        out << r.texts[c];
    for (int c = 0; c < 3; ++c)
        out << numberText(r.values[c]);
    for (int c = 0; c < 3; ++c)
        out << r.signalNames[c];
    return out;
}

QByteArray csvRow(const QStringList& values)
{
    QStringList quoted;
    for (const QString& value : values)
        quoted << csvField(value);
    return (quoted.join(u',') + QStringLiteral("\r\n")).toUtf8();
}

} // namespace

QStringList historyColumns()
{
    QStringList columns{QStringLiteral("page_time"), QStringLiteral("page_time_utc"),
                        QStringLiteral("fetched_utc"), QStringLiteral("station")};
    for (const char* name : kReadingNames)
        columns << QStringLiteral("%1_text").arg(QLatin1StringView(name));
    for (const char* name : kReadingNames)
        columns << QLatin1StringView(name);
    for (const char* name : kReadingNames)
        columns << QStringLiteral("%1_signal").arg(QLatin1StringView(name));
    return columns;
}

QByteArray csvHeader()
{
    return csvRow(historyColumns());
}

QByteArray csvLine(const PageRecord& record)
{
    return csvRow(fields(record));
}

QByteArray historyCsv(const std::vector<PageRecord>& records)
{
    QByteArray out = csvHeader();
    for (const PageRecord& record : records)
        out += csvLine(record);
    return out;
}

QByteArray jsonLine(const PageRecord& record)
{
    const QStringList columns = historyColumns();
    const QStringList values = fields(record);
    QJsonObject object;
    for (int i = 0; i < columns.size(); ++i)
        object.insert(columns[i], values[i]);
    if (!record.pageTimeUtc)
        object.insert(QStringLiteral("page_time_utc"), QJsonValue());
    for (int c = 0; c < 3; ++c) {
        const QString key = QLatin1StringView(kReadingNames[c]);
        object.insert(key, record.values[c] ? QJsonValue(*record.values[c]) : QJsonValue());
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}
