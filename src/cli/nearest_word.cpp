// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/nearest_word.h"

#include <algorithm>
#include <vector>

namespace {

// Two edits turn most short words into other short words.
constexpr qsizetype kShortWord = 4;

// Edits from `a` to `b`, a swap of neighbours counting as one
// (optimal string alignment distance).
qsizetype editDistance(const QString& a, const QString& b)
{
    const qsizetype columns = b.size() + 1;
    std::vector<qsizetype> d((a.size() + 1) * columns);
    const auto at = [&](qsizetype i, qsizetype j) -> qsizetype& { return d[i * columns + j]; };
    for (qsizetype i = 0; i <= a.size(); ++i)
        at(i, 0) = i;
    for (qsizetype j = 0; j <= b.size(); ++j)
        at(0, j) = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype change = a[i - 1] == b[j - 1] ? 0 : 1;
            at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
        }
    }
    return at(a.size(), b.size());
}

} // namespace

std::optional<QString> nearestWord(const QString& typed, const QStringList& known)
{
    std::optional<QString> nearest;
    qsizetype fewest = std::min<qsizetype>(typed.size() <= kShortWord ? 1 : 2, typed.size() - 1);
    for (const QString& word : known) {
        const qsizetype edits = editDistance(typed.toLower(), word.toLower());
        if (edits <= fewest && (!nearest || edits < fewest)) {
            nearest = word;
            fewest = edits;
        }
    }
    return nearest;
}
