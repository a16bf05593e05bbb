// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

// ondrel-cli skill [--band BAND] [--since DATE] [--until DATE] [--db FILE]
// [--log FILE ...] [--json]: how often the Es map was right.
const CliCommand& skillCommand();
