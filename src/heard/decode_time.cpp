// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/decode_time.h"

#include <QTimeZone>

QDateTime decodeDateTime(quint32 msSinceMidnight, const QDateTime& received)
{
    const QDateTime receivedUtc = received.toUTC();
    const QDateTime latest = receivedUtc.addSecs(kClockSlackSeconds);
    QDateTime at(receivedUtc.date().addDays(1),
                 QTime::fromMSecsSinceStartOfDay(static_cast<int>(msSinceMidnight)),
                 QTimeZone::utc());
    // Tomorrow's, today's or yesterday's: the last at or before `latest`.
    for (int back = 0; back < 2 && at > latest; ++back)
        at = at.addDays(-1);
    return at;
}
