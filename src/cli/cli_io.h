// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Exit statuses shared by every command of the tool.
// ExitNotSet: `settings get` of a key that is not stored.
enum ExitStatus { ExitOk = 0, ExitNotSet = 1, ExitUsage = 2, ExitOutcome = 3 };

// Prints one line to standard error.
void printError(const QString& line);

// Writes bytes to standard output.
void printOut(const QByteArray& bytes);

// The whole of FILE, or of standard input for "-"; empty optional (and a
// line on standard error) when it cannot be read.
std::optional<QByteArray> readInput(const QString& path);

// How messages name the input `path`: "standard input" for "-".
QString inputName(const QString& path);
