// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The window program's own options, looked at before anything touches the
// display: -h, --help and --version answer and end the program, any other
// argument starting with "--" is a usage error. Everything else goes on to
// start-up as the command-line text. Returns the exit status when the
// program ends here.
std::optional<int> answerCommandLine(int argc, char* argv[]);

// Whether the command-line text (everything after the program's name) asks
// for the window kept in front: it is "-T", in any case.
bool asksKeepInFront(const QString& arguments);
