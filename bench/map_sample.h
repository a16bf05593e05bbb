// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"
#include "reach/es_reading.h"

// A made-up readout for the map's preview and benchmark: Kokubunji's Es
// opens 50 MHz, Yamagawa's 28 MHz, Wakkanai is quiet and Ogimi has no
// reading; `busy` opens every station, 144 MHz at Kokubunji.
ReadoutState sampleReadout(bool busy = false);
EsReading sampleReading(bool busy = false);
