// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/new_page_check.h"

// Which accepted pages `watch` prints: each new page, or every page with
// --all.
class PageTimeFilter {
public:
    explicit PageTimeFilter(bool all) : m_all(all) {}

    bool shouldPrint(const QString& pageTime)
    {
        const bool isNew = m_pages.isNew(pageTime);
        m_pages.seen(pageTime);
        return isNew || m_all;
    }

    // The last page's time stamp; empty before the first.
    QString lastPageTime() const { return m_pages.lastPageTime(); }

private:
    bool m_all;
    NewPageCheck m_pages;
};
