// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

#include <vector>

// Every subcommand of ondrel-cli, in the order the overview lists them.
const std::vector<const CliCommand*>& cliCommands();

// The subcommand called `name`; none when there is no such command.
const CliCommand* findCliCommand(const QString& name);
