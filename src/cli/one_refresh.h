// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/page_refresh.h"
#include "core/page/readout_state.h"
#include "core/refresh/page_download.h"

#include <QString>

// What one refresh of a downloaded page came to.
struct DownloadedRefresh {
    RefreshOutcome outcome = RefreshOutcome::Failed;
    ReadoutState readout;
};

// Downloads the alert page at `url` through `download` and runs one
// refresh on it with the window's refresh loop, from a freshly started
// program's state; the loop's message boxes are lines on standard error.
// Runs the event loop until the refresh is done.
DownloadedRefresh refreshOnce(PageDownload& download, const QString& url);
