// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_recorder.h"

HistoryRecorder::HistoryRecorder(std::function<QString()> databasePath,
                                 std::function<int()> keepDays, std::function<QDateTime()> nowUtc)
    : m_databasePath(std::move(databasePath)), m_keepDays(std::move(keepDays)),
      m_nowUtc(nowUtc ? std::move(nowUtc) : [] { return QDateTime::currentDateTimeUtc(); })
{
}

HistoryLog* HistoryRecorder::log()
{
    if (m_log && m_log->isOpen())
        return m_log.get();
    const QString path = m_databasePath ? m_databasePath() : QString();
    if (path.isEmpty())
        return nullptr;
    m_log = std::make_unique<HistoryLog>(path);
    if (!m_log->open()) {
        m_report(
            QStringLiteral("%1 cannot be opened (%2); not logging").arg(path, m_log->lastError()));
        return nullptr;
    }
    return m_log.get();
}

bool HistoryRecorder::recordRefresh(RefreshOutcome outcome, const ReadoutState& readout)
{
    if (outcome != RefreshOutcome::Parsed)
        return false;
    HistoryLog* history = log();
    if (!history)
        return false;
    const QDateTime now = m_nowUtc();
    const HistoryLog::Append appended = history->appendPage(recordsFromReadout(readout, now));
    if (appended == HistoryLog::Append::Failed)
        m_report(QStringLiteral("a page could not be written (%1)").arg(history->lastError()));
    if (m_prunedOn != now.date()) {
        m_prunedOn = now.date();
        const int days = m_keepDays ? m_keepDays() : 0;
        if (days > 0)
            history->prune(now.addDays(-days));
    }
    return appended == HistoryLog::Append::Written;
}
