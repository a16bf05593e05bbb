// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/grid_memory.h"

#include <QList>

#include <algorithm>

void GridMemory::remember(const QString& call, const QString& grid, const QDateTime& seen)
{
    const auto known = m_entries.find(call);
    if (known != m_entries.end()) {
        if (known->seen <= seen)
            *known = {grid, seen};
        return;
    }
    if (m_entries.size() >= kMaxCalls)
        forgetOlderHalf();
    m_entries.insert(call, {grid, seen});
}

std::optional<QString> GridMemory::gridOf(const QString& call) const
{
    const auto known = m_entries.constFind(call);
    if (known == m_entries.constEnd())
        return std::nullopt;
    return known->grid;
}

void GridMemory::forgetOlderHalf()
{
    QList<QDateTime> times;
    times.reserve(m_entries.size());
    for (const Entry& entry : std::as_const(m_entries))
        times << entry.seen;
    const auto middle = times.begin() + times.size() / 2;
    std::nth_element(times.begin(), middle, times.end());
    const QDateTime cut = *middle;
    m_entries.removeIf([&](const auto& entry) { return entry.value().seen <= cut; });
}
