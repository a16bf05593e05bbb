// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/page_refresh.h"
#include "history/history_log.h"
#include "history/report_once.h"

#include <QDate>

#include <functional>
#include <memory>

struct ReadoutState;

// Logs each accepted page once and prunes old records once a day.
class HistoryRecorder {
public:
    // An empty `databasePath` turns logging off; `keepDays` is asked at
    // each pruning; `nowUtc` defaults to the system clock.
    HistoryRecorder(std::function<QString()> databasePath, std::function<int()> keepDays,
                    std::function<QDateTime()> nowUtc = {});

    // After a refresh: logs the readout when the page was read through
    // (Parsed). A page whose parse stopped half-way is not logged: its
    // readout still holds readings of the page before. Returns whether a
    // page was written.
    bool recordRefresh(RefreshOutcome outcome, const ReadoutState& readout);

    // The open log, opened on first use; null when off or it cannot be opened.
    HistoryLog* log();

    QDateTime nowUtc() const { return m_nowUtc(); }

private:
    std::function<QString()> m_databasePath;
    std::function<int()> m_keepDays;
    std::function<QDateTime()> m_nowUtc;
    std::unique_ptr<HistoryLog> m_log;
    QDate m_prunedOn;
    ReportOnce m_report;
};
