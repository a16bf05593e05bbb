// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

// ondrel-cli log FILE.adi [--band BAND] [--since DATE] [--until DATE]
// [--db FILE] [--json]: each contact of an ADIF log judged by the page in
// force when it was made.
const CliCommand& logCommand();
