// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_command.h"
#include "cli/reach_source.h"
#include "history/history_log.h"

#include <QCommandLineOption>
#include <QList>
#include <QStringList>

#include <optional>

// What log and skill share: the ADIF files, the band and period of the
// contacts, the history log the pages come from, the home.
struct LogArgs {
    ReachSource source;   // input: log's FILE; home: --home; directory: --dir
    QStringList logs;     // skill's --log FILE, each
    QString band;         // "6m"; empty for every band
    HistoryFilter period; // --since, --until
    std::optional<QString> database;
    bool json = false;
};

// --band, --since, --until, --db, --json, --home and --dir, as their usage tells them.
QList<QCommandLineOption> logOptions();

// Reads `args` of `command` (its options: logOptions() and, for skill, --log).
std::optional<LogArgs> parseLogArgs(const CliCommand& command, const QStringList& args);
