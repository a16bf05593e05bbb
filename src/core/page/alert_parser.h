// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"

#include <QString>

// Reads an accepted alert page (converted and upper-cased) into the readout
// state, writing each result as soon as it has it. Throws ProcedureFailure
// at the first step the page's layout breaks; what was written stays.
void parseAlertPage(const QString& page, ReadoutState& state);
