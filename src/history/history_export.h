// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/page_record.h"

#include <QByteArray>

#include <vector>

// The log as text, for ondrel-cli history and the chart window's CSV file.

// Column names, in order; the CSV header and the JSON keys.
QStringList historyColumns();

// CSV (RFC 4180: CRLF line ends, fields with a comma, quote or line break
// quoted, quotes doubled), UTF-8, a header line first. Missing numbers and
// page times in UTC are empty fields.
QByteArray csvHeader();
QByteArray csvLine(const PageRecord& record);
QByteArray historyCsv(const std::vector<PageRecord>& records);

// One JSON object per line (JSON Lines); missing values are null.
QByteArray jsonLine(const PageRecord& record);
