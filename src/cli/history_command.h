// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

// ondrel-cli history [--since DATE] [--until DATE] [--station STATION]
// [--csv|--json] [--db FILE]: prints the logged readings.
const CliCommand& historyCommand();
