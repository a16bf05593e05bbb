// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/page_record.h"
#include "reach/es_reading.h"

#include <vector>

// The logged pages among `records` (in the log's order), one reading each,
// oldest first; a station a page lacks reads "?".
std::vector<EsReading> loggedReadings(const std::vector<PageRecord>& records);
