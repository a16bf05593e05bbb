// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// `ondrel-cli fetch [URL] [--timeout SECONDS] [--save FILE]`: downloads the
// alert page and prints what one refresh makes of it, as `parse` does.
int runFetchCommand(const QStringList& args);
