// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

// `ondrel-cli watch [URL] [--period SECONDS] [--dir DIR] [--json] [--all] [--db FILE |
// --no-history] [--exec COMMAND] [--listen [ADDRESS:]PORT]`: reloads the alert page on the
// window's schedule and prints one line per accepted page until SIGINT or SIGTERM, and with
// --listen one per decode heard.
const CliCommand& watchCommand();
