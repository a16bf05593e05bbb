// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

// `ondrel-cli reach [FILE|-] [--home LOCATOR] [--json] [--dir DIR]`: the
// band reach of a page's Es, as the band lines under the Es map (in
// English) or as JSON.
const CliCommand& reachCommand();
