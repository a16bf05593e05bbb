// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/log_args.h"
#include "heard/adif_reader.h"
#include "heard/contact_path.h"

#include <functional>
#include <vector>

// What reading one ADIF file came to: the records read, those left out,
// and of the contacts within the band and period asked for, how many got
// a verdict and how many were open and closed.
struct LogFileCounts {
    QString source; // the file as given
    int recordsRead = 0;
    std::vector<AdifSkip> skipped;
    int judged = 0;
    int open = 0;
    int closed = 0;
};

// Every page of the history log `args` names from half an hour before the
// period on, to judge contacts by; nothing when the log cannot be read
// (told on standard error).
std::optional<ReadingTimeline> contactReadings(const QString& command, const LogArgs& args);

// Reads `path`, handing each contact within the band and period, placed
// and judged, to `take` as it comes (the log is never held whole);
// nothing when it cannot be opened (told on standard error). Home:
// `homeLocator`, else each record's MY_GRIDSQUARE.
std::optional<LogFileCounts> readContactLog(const QString& command, const QString& path,
                                            const LogArgs& args, const QString& homeLocator,
                                            const ReadingTimeline& readings,
                                            const std::function<void(const ContactPath&)>& take);
