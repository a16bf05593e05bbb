// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/one_refresh.h"

#include "cli/stderr_message_boxes.h"
#include "core/refresh/clock.h"
#include "core/refresh/refresh_loop.h"
#include "core/refresh/timer.h"

#include <QCoreApplication>

DownloadedRefresh refreshOnce(PageDownload& download, const QString& url)
{
    StderrMessageBoxes boxes;
    // One refresh: its retry never runs.
    SystemClock clock;
    QtTimer retryTimer;
    RefreshLoop loop(download, boxes, clock, retryTimer);
    loop.setAlertUrl(url);
    DownloadedRefresh result;
    QObject::connect(&loop, &RefreshLoop::refreshed, &loop, [&result](RefreshOutcome outcome) {
        result.outcome = outcome;
        QCoreApplication::exit(0);
    });
    loop.RefreshAlert();
    QCoreApplication::exec();
    result.readout = loop.readout();
    return result;
}
