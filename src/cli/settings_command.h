// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

// ondrel-cli settings [--dir DIR] (path | list | get KEY | set KEY VALUE |
// unset KEY): shows or changes the program's settings file, section
// "ESConf", as the program itself would.
const CliCommand& settingsCommand();
