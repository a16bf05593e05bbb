// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The window program's own options, looked at before anything touches the
// display: -h, --help and --version answer and end the program, any other
// argument starting with "--" is a usage error. Everything else goes on to
// start-up as the command-line text. Returns the exit status when the
// program ends here.
std::optional<int> answerCommandLine(int argc, char* argv[]);

// Opens the settings window at start, or in the copy already running (the
// desktop entry's "Settings" action).
inline constexpr char kSettingsOption[] = "--settings";

// Removes kSettingsOption from `arguments`; whether it was there.
bool takeSettingsOption(QStringList& arguments);

// Whether the command-line text (everything after the program's name) asks
// for the window kept in front: it is "-T", in any case.
bool asksKeepInFront(const QString& arguments);
