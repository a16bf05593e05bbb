// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// `ondrel-cli parse [FILE]`: one refresh on the bytes of FILE (or standard
// input) from a freshly started program's state, printed as JSON.
int runParseCommand(const QStringList& args);
