// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

struct HeardRecord;

// One heard decode as `watch --listen --json` and `heard --json` print it:
// a JSON object with "kind":"heard", null where a value is unknown, and a
// line end.
QByteArray heardJson(const HeardRecord& record);

// The same as a line of text, fields apart by two blanks, "-" where
// unknown: "2026/06/14 10:30:00 JST  JA6ABC  PM51  6m  -9 dB  937 km  open".
QByteArray heardText(const HeardRecord& record);
