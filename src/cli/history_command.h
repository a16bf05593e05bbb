// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// ondrel-cli history [--since DATE] [--until DATE] [--station CODE]
// [--csv|--json] [--db FILE]: prints the logged readings. Returns the exit
// status.
int runHistoryCommand(const QStringList& args);
