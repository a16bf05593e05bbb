// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

// `ondrel-cli heard [--since DATE] [--until DATE] [--band BAND] [--json] [--db FILE]`:
// the decodes WSJT-X and JTDX heard, from the history log.
const CliCommand& heardCommand();
