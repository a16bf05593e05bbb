// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>

// The grid each call last sent, so that its later messages (reports,
// RR73) are placed too. Plain entries, for the history log to keep.
class GridMemory {
public:
    struct Entry {
        QString grid;
        QDateTime seen; // UTC
    };

    // A flood of made-up calls cannot grow it past this: the older half
    // goes when it is full.
    static constexpr qsizetype kMaxCalls = 20000;

    // Keeps the grid seen last; an older sighting does not replace a newer one.
    void remember(const QString& call, const QString& grid, const QDateTime& seen);
    std::optional<QString> gridOf(const QString& call) const;
    const QHash<QString, Entry>& entries() const { return m_entries; }

private:
    void forgetOlderHalf();

    QHash<QString, Entry> m_entries;
};
