// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Whether a page is new: its time stamp differs from the last one seen,
// and the first page always is. The history log and ondrel-cli watch tell
// pages apart alike.
class NewPageCheck {
public:
    explicit NewPageCheck(std::optional<QString> last = std::nullopt) : m_last(std::move(last)) {}

    bool isNew(const QString& pageTime) const { return !m_last || *m_last != pageTime; }
    void seen(const QString& pageTime) { m_last = pageTime; }

    // The last page's time stamp; empty before the first.
    QString lastPageTime() const { return m_last.value_or(QString()); }

private:
    std::optional<QString> m_last;
};
