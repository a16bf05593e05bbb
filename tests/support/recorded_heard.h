// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/heard_session.h"
#include "history/heard_recorder.h"
#include "history/history_log.h"
#include "support/wsjtx_capture.h"

// A recorded WSJT-X or JTDX run (wsjtx_capture.h) logged by a HeardRecorder,
// for tests that link the history log. Header only: the shared helpers
// link no history.
namespace heardtest {

// When the run's datagrams are taken to have come: the slot 01:30:00 UTC.
inline const QDateTime kReceived(QDate(2026, 6, 14), QTime(1, 30, 14), Qt::UTC);

// Replays `run` into a session heard from Tokyo (PM95vq) with 国 at
// 15.3 MHz a quarter hour before, with no country file; `log` keeps it.
// Returns the calls' grids the session knew at the end.
inline GridMemory logCapture(const QString& run, HistoryLog& log)
{
    const CallLocator locator{std::optional<CountryFile>()};
    HeardSession session(locator);
    session.setHome(QStringLiteral("PM95vq"));
    EsReading page;
    page.pageTime = QStringLiteral("2026/06/14 10:15 JST");
    page.es = {QStringLiteral("3.0"), QStringLiteral("15.3"), QStringLiteral("4.0"),
               QStringLiteral("4.0")};
    session.addReading(page);
    HeardRecorder recorder(session, [&log] { return &log; });
    for (const QByteArray& datagram : wsjtxCapture(run))
        session.take(datagram, kReceived);
    return session.grids();
}

} // namespace heardtest
