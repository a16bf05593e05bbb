// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"
#include "cli/cli_io.h"
#include "reach/station_reach.h"

#include <QCommandLineOption>
#include <QString>

#include <optional>

class ProgramSettings;

// What reach and map share: the page they work on (FILE, standard input,
// or downloaded as fetch does) and the home the paths start from.
struct ReachSource {
    std::optional<QString> input;     // FILE, or "-"; downloaded when absent
    std::optional<QString> home;      // --home, canonical; empty for none
    std::optional<QString> directory; // --dir
};

// The FILE operand and the options --home and --dir, as their usage tells them.
CliOperand reachFileOperand();
QCommandLineOption homeOption();
QCommandLineOption settingsDirOption();

// What became of one argument of `command`'s line.
enum class SourceArg {
    Taken,   // FILE, --home or --dir, now in the source
    Other,   // an option of the command's own
    Refused, // a usage error, told on standard error
};
SourceArg takeSourceArg(const QString& command, const CommandArg& arg, ReachSource& source);

// --home, else ESHome in `settings`, told once on standard error when it
// is no locator; empty for none.
QString homeFor(const QString& command, const ReachSource& source, ProgramSettings& settings);

// The reach of the page `source` names, from --home, else from ESHome in
// `settings` (a stored value that is no locator is told and ignored). A
// page that was not read through is told on standard error as parse and
// fetch tell it ("COMMAND: not-alert-page: page.html has no …").
struct ReachResult {
    ExitStatus status = ExitOk; // anything else: no report
    ReachReport report;
};
ReachResult loadReach(const QString& command, const ReachSource& source, ProgramSettings& settings);
