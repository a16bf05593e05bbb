// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Which accepted pages `watch` prints: the first, then only a page whose
// time stamp differs from the last one, or every page with --all.
class PageTimeFilter {
public:
    explicit PageTimeFilter(bool all) : m_all(all) {}

    bool shouldPrint(const QString& pageTime)
    {
        const bool newPage = !m_seen || pageTime != m_last;
        m_seen = true;
        m_last = pageTime;
        return newPage || m_all;
    }

    // The last page's time stamp; empty before the first.
    const QString& lastPageTime() const { return m_last; }

private:
    bool m_all;
    bool m_seen = false;
    QString m_last;
};
