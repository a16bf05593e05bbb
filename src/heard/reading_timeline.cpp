// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/reading_timeline.h"

#include "core/page/page_time.h"

#include <algorithm>

namespace {

// The first page after `utc` in a timeline ordered by instant.
template <typename Pages>
auto firstAfter(Pages& pages, const QDateTime& utc)
{
    return std::upper_bound(pages.begin(), pages.end(), utc,
                            [](const QDateTime& t, const auto& page) { return t < page.utc; });
}

} // namespace

void ReadingTimeline::add(const EsReading& reading)
{
    const std::optional<QDateTime> utc = pageTimeToUtc(reading.pageTime);
    if (!utc)
        return;
    const auto later = firstAfter(m_pages, *utc);
    if (later != m_pages.begin() && std::prev(later)->utc == *utc)
        std::prev(later)->reading = reading;
    else
        m_pages.insert(later, {*utc, reading});
    while (m_pages.size() > m_maxPages)
        m_pages.pop_front();
}

const EsReading* ReadingTimeline::at(const QDateTime& utc) const
{
    const auto later = firstAfter(m_pages, utc);
    if (later == m_pages.begin())
        return nullptr;
    const Page& page = *std::prev(later);
    if (page.utc.secsTo(utc) > kLongestAgeMinutes * 60)
        return nullptr;
    return &page.reading;
}
