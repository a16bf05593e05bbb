// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/es_reading.h"

#include "core/page/signal_indicator.h"
#include "core/page/station_names.h"

EsReading esReadingOf(const ReadoutState& state)
{
    EsReading reading;
    reading.pageTime = state.AlertTime;
    for (int k = 0; k < kStationCount; ++k) {
        const GridCell& cell = state.cells[cellIndex(k, kEsColumn)];
        reading.es[k] = cell.caption;
        reading.levels[k] = cell.colour;
    }
    return reading;
}

EsReading esReadingFromSignals(const QString& pageTime,
                               const std::array<QString, kStationCount>& es,
                               const std::array<QString, kStationCount>& signalNames)
{
    // The readout's own colouring, so that a logged page looks as it did.
    ReadoutState state;
    state.AlertTime = pageTime;
    for (int k = 0; k < kStationCount; ++k) {
        state.cells[cellIndex(k, kEsColumn)].caption = es[k];
        ShowSignal(state, signalNames[k], cellIndex(k, kEsColumn));
    }
    return esReadingOf(state);
}
