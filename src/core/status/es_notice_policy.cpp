// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/status/es_notice_policy.h"

#include "core/page/shown_readout.h"
#include "core/page/signal_indicator.h"
#include "core/page/station_names.h"
#include "core/status/data_age.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr int kQuiet = 8;
constexpr int kCaution = 9;
constexpr int kAlert = 10;

// Station k's own Es level, folded as the summary folds it.
int stationLevel(const ReadoutState& state, int k)
{
    ReadoutState single;
    ShowSignal(single, state.readings[k].esSignal, kEsColumn);
    return single.SummaryLevel[kEsColumn];
}

EsNotice riseNotice(const ReadoutState& state, int level)
{
    QStringList stations;
    for (int k = 0; k < kStationCount; ++k) {
        if (stationLevel(state, k) != level)
            continue;
        stations << QStringLiteral("%1 Es %2 MHz")
                        .arg(shownStationName(k), state.cells[cellIndex(k, kEsColumn)].caption);
    }
    EsNotice notice;
    notice.title = level == kAlert ? QCoreApplication::translate("EsNotice", "Es 警報")
                                   : QCoreApplication::translate("EsNotice", "Es 注意");
    //: Between the stations of one notice.
    notice.body = stations.join(QCoreApplication::translate("EsNotice", "、")) + u'\n' +
                  shownStatusItem(state);
    notice.urgent = level == kAlert;
    notice.level = level;
    return notice;
}

} // namespace

std::optional<EsNotice> EsNoticePolicy::afterRefresh(const ReadoutState& state, Seconds now)
{
    m_beforeRefresh = {m_level, m_staleReported, m_memory};
    const int level = state.SummaryLevel[kEsColumn];
    if (!state.headerOpaque && level >= kQuiet && level <= kAlert)
        return afterReadable(state, level, now);
    return afterUnreadable(now);
}

std::optional<EsNotice> EsNoticePolicy::afterReadable(const ReadoutState& state, int level,
                                                      Seconds now)
{
    const int previous = m_level;
    m_level = level;
    m_lastPageTime = shownStatusItem(state);
    m_unreadableSince.reset();
    m_staleReported = false;
    if (!enabled || level <= previous || level < kCaution || !isNews(state, now))
        return std::nullopt;
    const auto last = m_memory.lastNotice.find(level);
    if (last != m_memory.lastNotice.end() && now - last->second < cooldown)
        return std::nullopt;
    m_memory.lastNotice[level] = now;
    m_memory.pageTime = state.AlertTime;
    return riseNotice(state, level);
}

bool EsNoticePolicy::isNews(const ReadoutState& state, Seconds now) const
{
    if (!state.AlertTime.isEmpty() && state.AlertTime == m_memory.pageTime)
        return false;
    return isCurrent(state, now);
}

bool EsNoticePolicy::isCurrent(const ReadoutState& state, Seconds now)
{
    const int level = state.SummaryLevel[kEsColumn];
    if (state.headerOpaque || level < kQuiet || level > kAlert)
        return false;
    const auto age = dataAge(state, QDateTime::fromSecsSinceEpoch(now.count(), Qt::UTC));
    return !(age && age->stale);
}

std::vector<int> EsNoticePolicy::bandsToTell(const std::vector<int>& opened,
                                             const QString& pageTime, Seconds now)
{
    std::vector<int> told;
    if (!enabled)
        return told;
    for (const int band : opened) {
        const auto last = m_memory.lastBandNotice.find(band);
        if (last != m_memory.lastBandNotice.end() && now - last->second < cooldown)
            continue;
        m_memory.lastBandNotice[band] = now;
        told.push_back(band);
    }
    if (!told.empty())
        m_memory.pageTime = pageTime;
    return told;
}

void EsNoticePolicy::undelivered()
{
    m_level = m_beforeRefresh.level;
    m_staleReported = m_beforeRefresh.staleReported;
    m_memory = m_beforeRefresh.memory;
}

std::optional<EsNotice> EsNoticePolicy::afterUnreadable(Seconds now)
{
    if (!m_unreadableSince)
        m_unreadableSince = now;
    if (m_level != kAlert || m_staleReported || now - *m_unreadableSince <= kStaleAfter)
        return std::nullopt;
    m_staleReported = true;
    if (!enabled)
        return std::nullopt;
    EsNotice notice;
    notice.title = QCoreApplication::translate("EsNotice", "Es データが古くなっています");
    notice.body =
        QCoreApplication::translate(
            "EsNotice", "警報のあと %1 分を超えて警報ページを読めていません\n最後のページ: %2")
            .arg(std::chrono::duration_cast<std::chrono::minutes>(kStaleAfter).count())
            .arg(m_lastPageTime);
    notice.urgent = false;
    return notice;
}
