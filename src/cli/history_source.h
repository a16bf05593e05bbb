// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/history_log.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// A date or time as given: "2026-12-07" (that day's start, or its last
// second with `endOfDay`, JST, as the page gives time), "2026-12-07 10:15"
// (JST), or ISO 8601 with a zone; in UTC.
std::optional<QDateTime> parseWhen(const QString& text, bool endOfDay);

// The records of the history log `database` (--db), else of the per-user
// log when there is one (none without it). A log that cannot be read is
// told on standard error as `command`'s: nothing then.
std::optional<std::vector<PageRecord>> readHistoryLog(const QString& command,
                                                      const std::optional<QString>& database,
                                                      const HistoryFilter& filter);
