// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QSqlDatabase;

// The log's layout, versioned by PRAGMA user_version.
//  1: the first layout, value texts only (table "readings").
//  2: page time in UTC, numbers and signal names (table "reading").
//  3: also what WSJT-X and JTDX heard (tables "heard", "listening" and
//     "call_grid").
inline constexpr int kHistorySchemaVersion = 3;

// Brings an open database to the current layout, each step in its own
// transaction. A newer layout than this program knows is refused.
// Returns an empty string, or what went wrong.
QString migrateHistory(QSqlDatabase& db);

// PRAGMA user_version, or -1 when the file cannot be read as a database.
int historySchemaVersion(QSqlDatabase& db);
