// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/heard_recorder.h"

#include "heard/heard_session.h"
#include "history/history_log.h"

HeardRecorder::HeardRecorder(HeardSession& session, std::function<HistoryLog*()> log,
                             QObject* parent)
    : QObject(parent), m_session(session), m_log(std::move(log))
{
    if (HistoryLog* history = m_log())
        history->loadGrids(session.grids());
    connect(&session, &HeardSession::heard, this,
            [this](const HeardStation& station) { record(station); });
    connect(&session, &HeardSession::listening, this, &HeardRecorder::recordListening);
}

void HeardRecorder::record(const HeardStation& station)
{
    HistoryLog* history = m_log();
    if (!history)
        return;
    tellFailure(history->appendHeard(station), *history);
    // A grid this decode sent, not one remembered from before.
    const auto known = m_session.grids().entries().constFind(station.call);
    if (known != m_session.grids().entries().constEnd() && known->seen == station.time)
        tellFailure(history->saveGrid(station.call, known->grid, known->seen), *history);
}

void HeardRecorder::recordListening(const QString& client, const std::optional<DialBand>& band,
                                    const QDateTime& atUtc)
{
    if (HistoryLog* history = m_log())
        tellFailure(history->extendListening(client, band ? band->name : QString(), atUtc),
                    *history);
}

void HeardRecorder::tellFailure(bool written, const HistoryLog& log)
{
    if (!written)
        m_report(QStringLiteral("a heard station could not be written (%1)").arg(log.lastError()));
}
