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
    return QCoreApplication::translate("DataAge", "データは %1 分前のものです").arg(age.minutes);
}
