// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <utility>

// Exit status (-1 when it did not run or finish) and all output of a tool
// found on PATH.
std::pair<int, QString> runTool(const char* tool, const QStringList& args);
