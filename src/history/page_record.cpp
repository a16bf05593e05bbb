// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/page_record.h"

#include "core/page/page_time.h"
#include "core/page/readout_state.h"
#include "core/text/number_text.h"

#include <QRegularExpression>

int stationIndex(const QString& code)
{
    for (int k = 0; k < static_cast<int>(kStationCodes.size()); ++k) {
        if (code.compare(QLatin1StringView(kStationCodes[k]), Qt::CaseInsensitive) == 0)
            return k;
    }
    return -1;
}

std::vector<PageRecord> recordsFromReadout(const ReadoutState& readout, const QDateTime& fetchedUtc)
{
    std::vector<PageRecord> records;
    const std::optional<QDateTime> pageUtc = pageTimeToUtc(readout.AlertTime);
    for (int k = 0; k < kStationCount; ++k) {
        const StationReading& r = readout.readings[k];
        PageRecord record;
        record.pageTime = readout.AlertTime;
        record.pageTimeUtc = pageUtc;
        record.fetchedUtc = fetchedUtc.toUTC();
        record.station = QLatin1StringView(kStationCodes[k]);
        record.texts = {r.fmax, r.fmin, r.es};
        record.signalNames = {r.fmaxSignal, r.fminSignal, r.esSignal};
        for (int c = 0; c < 3; ++c)
            record.values[c] = readingNumber(record.texts[c]);
        records.push_back(std::move(record));
    }
    return records;
}

QString utcText(const QDateTime& utc)
{
    return utc.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
}

std::optional<QDateTime> utcFromText(const QString& text)
{
    // The log's own fixed-width form is read by hand: a month of records
    // is read each time the chart opens, and the general parser is slow.
    if (text.size() == 20 && text[4] == u'-' && text[10] == u'T' && text[19] == u'Z') {
        auto number = [&text](int from, int length) {
            int value = 0;
            for (int i = from; i < from + length; ++i) {
                const int digit = text[i].unicode() - u'0';
                if (digit < 0 || digit > 9)
                    return -1;
                value = value * 10 + digit;
            }
            return value;
        };
        const QDate date(number(0, 4), number(5, 2), number(8, 2));
        const QTime time(number(11, 2), number(14, 2), number(17, 2));
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
    }
    QDateTime parsed = QDateTime::fromString(text, Qt::ISODate);
    if (!parsed.isValid())
        return std::nullopt;
    return parsed.toUTC();
}
