// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command_line.h"
#include "history/history_log.h"

#include <QCommandLineOption>
#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

// What `history` and `heard` share: the span of --since and --until, and
// the log read from --db or the per-user log.

// "DATE is a day …": how --since and --until are read, for a command's help.
QString dateHelp();
QCommandLineOption sinceOption(const QString& what);
QCommandLineOption untilOption(const QString& what);

struct DateSpan {
    std::optional<QDateTime> since;
    std::optional<QDateTime> until;

    // Takes --since or --until, or tells COMMAND's usage error and is false.
    bool take(const QString& command, const CommandArg& arg);
    // False, and told, when --since is later than --until.
    bool inOrder(const QString& command) const;

private:
    QString m_sinceText;
    QString m_untilText;
};

// --db FILE.
QCommandLineOption logFileOption();

// The log at `database`, else the per-user log, opened to read and never
// changed. A per-user log that does not exist yet reads as empty (null);
// any other trouble is told for COMMAND and leaves `ok` false.
struct LogToRead {
    bool ok = false;
    std::unique_ptr<HistoryLog> log;
};
LogToRead openLogToRead(const QString& command, const std::optional<QString>& database);
