// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/status/data_age.h"

#include "core/page/page_time.h"

#include <QCoreApplication>

std::optional<DataAge> dataAge(const ReadoutState& readout, const QDateTime& nowUtc)
{
    if (!readout.pageArrivedUtc)
        return std::nullopt;
    const qint64 limit = std::chrono::seconds(kStaleAfter).count();
    const qint64 sinceArrival = readout.pageArrivedUtc->secsTo(nowUtc);
    const std::optional<QDateTime> pageUtc = pageTimeToUtc(readout.AlertTime);
    const qint64 sincePage = pageUtc ? pageUtc->secsTo(nowUtc) : sinceArrival;
    return DataAge{sincePage / 60, sincePage > limit || sinceArrival > limit};
}

QString dataAgeText(const DataAge& age)
{
    // Minutes up to two hours, hours up to two days, then days: whole
    // units, rounded down.
    constexpr qint64 kHour = 60;
    constexpr qint64 kDay = 24 * kHour;
    if (age.minutes > 2 * kDay)
        return QCoreApplication::translate("DataAge", "データは %1 日前のものです")
            .arg(age.minutes / kDay);
    if (age.minutes > 2 * kHour)
        return QCoreApplication::translate("DataAge", "データは %1 時間前のものです")
            .arg(age.minutes / kHour);
    return QCoreApplication::translate("DataAge", "データは %1 分前のものです").arg(age.minutes);
}
