// SPDX-License-Identifier: GPL-3.0-or-later
#include "map_sample.h"

#include "core/page/signal_indicator.h"
#include "core/page/station_names.h"

ReadoutState sampleReadout(bool busy)
{
    struct Es {
        const char* value;
        const char* signal;
    };
    static constexpr Es kQuiet[] = {
        {"4.1", "GREEN"}, {"10.4", "BLINK-RED-P"}, {"6.2", "BLINK-YELLOW-P"}, {"?", "UNDEFINE"}};
    static constexpr Es kBusy[] = {{"9.6", "BLINK-RED-P"},
                                   {"26.5", "BLINK-RED"},
                                   {"12.8", "BLINK-RED-P"},
                                   {"7.4", "BLINK-YELLOW-P"}};
    ReadoutState state;
    state.AlertTime = QStringLiteral("2026/06/14 10:15 JST");
    for (int k = 0; k < kStationCount; ++k) {
        const Es& es = busy ? kBusy[k] : kQuiet[k];
        state.cells[cellIndex(k, kEsColumn)].caption = QString::fromLatin1(es.value);
        ShowSignal(state, QString::fromLatin1(es.signal), cellIndex(k, kEsColumn));
    }
    return state;
}

EsReading sampleReading(bool busy)
{
    return esReadingOf(sampleReadout(busy));
}
