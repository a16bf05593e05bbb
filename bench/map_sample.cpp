// SPDX-License-Identifier: GPL-3.0-or-later
#include "map_sample.h"

EsReading sampleReading(bool busy)
{
    const QString time = QStringLiteral("2026/06/14 10:15 JST");
    if (busy)
        return esReadingFromSignals(time,
                                    {QStringLiteral("9.6"), QStringLiteral("26.5"),
                                     QStringLiteral("12.8"), QStringLiteral("7.4")},
                                    {QStringLiteral("BLINK-RED-P"), QStringLiteral("BLINK-RED"),
                                     QStringLiteral("BLINK-RED-P"),
                                     QStringLiteral("BLINK-YELLOW-P")});
    return esReadingFromSignals(
        time,
        {QStringLiteral("4.1"), QStringLiteral("10.4"), QStringLiteral("6.2"), QStringLiteral("?")},
        {QStringLiteral("GREEN"), QStringLiteral("BLINK-RED-P"), QStringLiteral("BLINK-YELLOW-P"),
         QStringLiteral("UNDEFINE")});
}
