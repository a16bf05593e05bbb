// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The word of `known` that `typed` most likely misspells, letter case
// aside: the first of the fewest edits (a letter added, dropped, changed,
// or two neighbours swapped), at most one for a word of up to four
// letters, else two. Nothing when no word is that close.
std::optional<QString> nearestWord(const QString& typed, const QStringList& known);
