// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/log_args.h"
#include "heard/adif_reader.h"
#include "heard/contact_path.h"

#include <vector>

// One ADIF file's contacts within the band and period asked for, each
// placed and judged, and what its reading left out.
struct ContactLog {
    QString source; // the file as given
    int recordsRead = 0;
    std::vector<AdifSkip> skipped;
    std::vector<ContactPath> contacts;
};

// Every page of the history log `args` names from half an hour before the
// period on, to judge contacts by; nothing when the log cannot be read
// (told on standard error).
std::optional<ReadingTimeline> contactReadings(const QString& command, const LogArgs& args);

// Reads `path`; nothing when it cannot be opened (told on standard error).
// Home: `homeLocator`, else each record's MY_GRIDSQUARE.
std::optional<ContactLog> readContactLog(const QString& command, const QString& path,
                                         const LogArgs& args, const QString& homeLocator,
                                         const ReadingTimeline& readings);
