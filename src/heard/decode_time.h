// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QtGlobal>

// A decode carries only its time of day (milliseconds since 00:00 UTC);
// its date is the one that puts it at or before its receipt, allowing
// the two clocks kClockSlackSeconds of disagreement: a decode at
// 23:59:58 read at 00:00:01 is yesterday's.
inline constexpr int kClockSlackSeconds = 10;

QDateTime decodeDateTime(quint32 msSinceMidnight, const QDateTime& received);
