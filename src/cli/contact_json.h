// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/contact_log.h"

#include <QByteArray>

// One contact as a JSON line: the heard line's keys with "kind":"contact",
// `source` the file, and the log's mode, prop_mode and snr.
QByteArray contactJson(const ContactPath& contact, const QString& source);

// The closing line of one file: "kind":"summary", records read, skipped
// (a count, the lines and reasons apart under "skips"), judged (a verdict
// given), open, closed.
QByteArray contactSummaryJson(const LogFileCounts& log);
