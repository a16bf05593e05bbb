// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

// `ondrel-cli map [FILE|-] --output FILE.png [--home LOCATOR] [--size WxH]
// [--dir DIR]`: the Es map of a page, drawn into a PNG without a display.
const CliCommand& mapCommand();
