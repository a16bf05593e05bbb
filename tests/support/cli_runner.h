// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

// One run of ondrel-cli and what it left behind.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs `program` (ondrel-cli unless given) with `args` and `input` on
// standard input, waiting at most 30 seconds.
CliRun runCli(const QStringList& args, const QByteArray& input = {},
              const QString& program = QStringLiteral(ONDREL_CLI));
