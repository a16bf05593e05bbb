// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/es_reading.h"

#include <QDateTime>

#include <deque>

// The pages seen lately, each at its instant, so that a decode is judged
// by the page in force when it was heard rather than by the newest.
class ReadingTimeline {
public:
    // A page older than this says nothing about a decode.
    static constexpr int kLongestAgeMinutes = 30;
    // Enough for a day of quarter-hour pages and then some.
    static constexpr std::size_t kMaxPages = 200;

    // A log of a season is judged by a timeline of all its pages.
    explicit ReadingTimeline(std::size_t maxPages = kMaxPages) : m_maxPages(maxPages) {}

    // A page whose time stamp is no time is left out; the same instant
    // again replaces the page kept for it.
    void add(const EsReading& reading);
    // The latest page at or before `utc`, no older than kLongestAgeMinutes;
    // null when there is none.
    const EsReading* at(const QDateTime& utc) const;
    bool empty() const { return m_pages.empty(); }

private:
    struct Page {
        QDateTime utc;
        EsReading reading;
    };
    std::size_t m_maxPages;
    std::deque<Page> m_pages; // by instant, oldest first
};
