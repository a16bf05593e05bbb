// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

// `ondrel-cli watch [URL] [--period SECONDS] [--dir DIR] [--json] [--all] [--db FILE |
// --no-history] [--exec COMMAND]`: reloads the alert page on the window's schedule and prints one
// line per accepted page until SIGINT or SIGTERM.
const CliCommand& watchCommand();
