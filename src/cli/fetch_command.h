// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

// `ondrel-cli fetch [URL] [--timeout SECONDS] [--save FILE] [--dir DIR]`:
// downloads the alert page and prints what one refresh makes of it, as
// `parse` does.
const CliCommand& fetchCommand();
