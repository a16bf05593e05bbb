// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"

#include <QByteArray>
#include <QStringList>

// The tool's usage: every command's synopsis and summary, and the tool's
// own options.
QByteArray overviewHelp();

// A command's usage, as `ondrel-cli COMMAND --help` prints it.
QByteArray commandHelp(const CliCommand& command);

// Whether `args` ask `command` for its usage: -h or --help where the
// command's line takes an option.
bool asksForHelp(const CliCommand& command, const QStringList& args);

// `ondrel-cli help [COMMAND]`.
const CliCommand& helpCommand();
