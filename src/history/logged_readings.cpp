// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/logged_readings.h"

std::vector<EsReading> loggedReadings(const std::vector<PageRecord>& records)
{
    std::vector<EsReading> readings;
    size_t first = 0;
    while (first < records.size()) {
        // One page's records share its time stamp and instant.
        size_t end = first;
        while (end < records.size() && records[end].pageTime == records[first].pageTime &&
               records[end].instant() == records[first].instant())
            ++end;
        std::array<QString, kStationCount> es;
        std::array<QString, kStationCount> signalNames;
        es.fill(QStringLiteral("?"));
        for (size_t n = first; n < end; ++n) {
            const int k = stationIndex(records[n].station);
            if (k < 0)
                continue;
            es[k] = records[n].texts[EsColumn];
            signalNames[k] = records[n].signalNames[EsColumn];
        }
        readings.push_back(esReadingFromSignals(records[first].pageTime, es, signalNames));
        first = end;
    }
    return readings;
}
