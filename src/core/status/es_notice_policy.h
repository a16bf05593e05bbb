// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"

#include <QString>

#include <chrono>
#include <map>
#include <optional>
#include <vector>

// One desktop notification.
struct EsNotice {
    QString title;
    QString body;
    bool urgent = false;
    // The Es level a rise reached (9 caution, 10 alert); 0 for the notice
    // that the data is stale.
    int level = 0;
};

// Decides after each refresh whether the desktop hears of it: once when the
// Es level rises to caution or alert, once when the page has been unreadable
// for a long while after an alert. Pure: the caller passes the time, in
// seconds since the epoch.
class EsNoticePolicy {
public:
    using Seconds = std::chrono::seconds;

    static constexpr Seconds kDefaultCooldown = std::chrono::minutes(30);

    // What outlives a restart, so a restart never tells the same again: the
    // page last told of and when each level was last told.
    struct Memory {
        QString pageTime;
        std::map<int, Seconds> lastNotice;     // by level
        std::map<int, Seconds> lastBandNotice; // by band (MHz)

        bool operator==(const Memory&) const = default;
    };

    // Off: levels are still followed, so turning it on does not report an
    // old rise.
    bool enabled = true;
    // At most one notice per level within this time, so a flickering value
    // does not flood the desktop.
    Seconds cooldown = kDefaultCooldown;

    // The notice the readout a refresh left at `now` calls for, if any. A
    // page already told of, or one whose time stamp is stale, calls for none.
    std::optional<EsNotice> afterRefresh(const ReadoutState& state, Seconds now);

    // Whether a page may still be told of: readable, not told of yet, and
    // its own time not stale.
    bool isNews(const ReadoutState& state, Seconds now) const;
    // Whether a page may still stand behind a notice: readable and its
    // own time not stale, told of before or not.
    static bool isCurrent(const ReadoutState& state, Seconds now);
    // Bands among `opened` not told of within the cool-down; they count as
    // told of now, with the page.
    std::vector<int> bandsToTell(const std::vector<int>& opened, const QString& pageTime,
                                 Seconds now);

    // The notice of the last refresh (afterRefresh and bandsToTell) did
    // not reach the user: it counts as untold, so the next refresh tells
    // it again.
    void undelivered();

    const Memory& memory() const { return m_memory; }
    void restore(Memory memory) { m_memory = std::move(memory); }

private:
    std::optional<EsNotice> afterReadable(const ReadoutState& state, int level, Seconds now);
    std::optional<EsNotice> afterUnreadable(Seconds now);

    // Level of the last readable page; a first page is compared with quiet,
    // so starting during an opening reports it.
    int m_level = 8;
    QString m_lastPageTime;
    std::optional<Seconds> m_unreadableSince;
    bool m_staleReported = false;
    Memory m_memory;
    // What the last refresh found, for undelivered().
    struct BeforeRefresh {
        int level = 8;
        bool staleReported = false;
        Memory memory;
    } m_beforeRefresh;
};
