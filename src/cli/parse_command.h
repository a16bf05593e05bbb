// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

// `ondrel-cli parse [FILE]`: one refresh on the bytes of FILE (or standard
// input) from a freshly started program's state, printed as JSON.
const CliCommand& parseCommand();
