// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"
#include "history/page_record.h"

#include <QStringList>

// Readouts and records for the history tests.
namespace historytest {

// A parsed readout stamped `alertTime`; station k reads "k+5.1", "1.k", `es[k]`.
inline ReadoutState readout(const QString& alertTime,
                            const QStringList& es = {"4.1", "8.6", "?", "4.8"})
{
    ReadoutState state;
    state.AlertTime = alertTime;
    for (int k = 0; k < kStationCount; ++k) {
        state.readings[k] = {QStringLiteral("%1.1").arg(k + 5),
                             QStringLiteral("1.%1").arg(k),
                             es.value(k),
                             QStringLiteral("GREEN"),
                             QStringLiteral("GREEN"),
                             es.value(k) == u"?" ? QStringLiteral("UNDEFINE")
                                                 : QStringLiteral("BLINK-YELLOW-P")};
    }
    return state;
}

inline const QDateTime kFetched = QDateTime(QDate(2026, 12, 7), QTime(1, 16), Qt::UTC);

inline std::vector<PageRecord> page(const QString& alertTime,
                                    const QStringList& es = {"4.1", "8.6", "?", "4.8"})
{
    return recordsFromReadout(readout(alertTime, es), kFetched);
}

} // namespace historytest
