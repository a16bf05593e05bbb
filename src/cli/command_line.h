// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QStringList>

#include <optional>

// One argument of a command line, in the order given.
struct CommandArg {
    enum class Kind {
        Option,   // a declared option, with its value if it takes one
        Argument, // anything else that is not an option: "-15" and "-" too
        Unknown,  // an option that is not declared, or one written NAME=VALUE
    };
    Kind kind = Kind::Argument;
    QString arg;                  // as given; for an option, the option itself
    QString name;                 // Option: the option's first name
    std::optional<QString> value; // Option taking a value: none when the line ended first
};

// What "--" does on a command line.
enum class DoubleDash { IsArgument, EndsOptions };

// Reads `args` with QCommandLineParser against `options`. Only "--NAME" and,
// for a one-letter name, "-N" are options; the tool never took NAME=VALUE.
// The result keeps the order given, so that a command answers the first
// problem on the line.
QList<CommandArg> readCommandLine(const QList<QCommandLineOption>& options, const QStringList& args,
                                  DoubleDash doubleDash);
