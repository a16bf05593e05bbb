// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"

#include <QString>

#include <chrono>
#include <map>
#include <optional>

// One desktop notification.
struct EsNotice {
    QString title;
    QString body;
    bool urgent = false;
};

// Decides after each refresh whether the desktop hears of it: once when the
// Es level rises to caution or alert, once when the page has been unreadable
// for a long while after an alert. Pure: the caller passes the time.
class EsNoticePolicy {
public:
    using Seconds = std::chrono::seconds;

    static constexpr Seconds kDefaultCooldown = std::chrono::minutes(30);
    static constexpr Seconds kStaleAfter = std::chrono::minutes(45);

    // Off: levels are still followed, so turning it on does not report an
    // old rise.
    bool enabled = true;
    // At most one notice per level within this time, so a flickering value
    // does not flood the desktop.
    Seconds cooldown = kDefaultCooldown;

    // The notice the readout a refresh left at `now` calls for, if any.
    std::optional<EsNotice> afterRefresh(const ReadoutState& state, Seconds now);

private:
    std::optional<EsNotice> afterReadable(const ReadoutState& state, int level, Seconds now);
    std::optional<EsNotice> afterUnreadable(Seconds now);

    // Level of the last readable page; a first page is compared with quiet,
    // so starting during an opening reports it.
    int m_level = 8;
    QString m_lastPageTime;
    std::optional<Seconds> m_unreadableSince;
    bool m_staleReported = false;
    std::map<int, Seconds> m_lastNotice; // by level
};
