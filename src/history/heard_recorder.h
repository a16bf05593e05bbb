// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/report_once.h"

#include <QObject>

#include <functional>
#include <optional>

class HeardSession;
class HistoryLog;
struct DialBand;
struct HeardStation;

// Keeps what a HeardSession hears in the history log: each decode, when
// each client listened on which band, and the grids calls sent, which it
// hands back to the session at start so that a restart still places them.
class HeardRecorder : public QObject {
public:
    // `log`: the open log, or null while there is none (logging off, or it
    // cannot be opened).
    HeardRecorder(HeardSession& session, std::function<HistoryLog*()> log,
                  QObject* parent = nullptr);

private:
    void record(const HeardStation& station);
    void recordListening(const QString& client, const std::optional<DialBand>& band,
                         const QDateTime& atUtc);
    void tellFailure(bool written, const HistoryLog& log);

    HeardSession& m_session;
    std::function<HistoryLog*()> m_log;
    ReportOnce m_report;
};
