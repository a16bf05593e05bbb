// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command_line.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

// An operand of a command, or one of its verbs, as its usage explains it.
struct CliOperand {
    QString name; // "FILE", "get KEY"
    QString description;
};

// One subcommand of ondrel-cli, declared beside the code that carries it
// out: its --help is made from this, and the tool's overview from its
// synopsis and summary, so a new subcommand only adds itself to
// cliCommands().
struct CliCommand {
    QString name;
    QString synopsis;    // what follows the name on its usage line
    QString summary;     // what it does, for the overview
    QString description; // paragraphs, "\n" apart
    QList<CliOperand> operands;
    QList<QCommandLineOption> options; // described: the usage lists them
    DoubleDash doubleDash = DoubleDash::IsArgument;
    QString exitStatus;
    int (*run)(const QStringList& args) = nullptr;
    // It draws images (the map), which takes a GUI application; the others
    // run on QtCore alone.
    bool draws = false;
};
