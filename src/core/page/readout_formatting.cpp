// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/readout_formatting.h"

#include <vector>

namespace {

const QString kSixHyphens = QStringLiteral("------");
const QString kTwoHyphens = QStringLiteral("--");
const QString kUnitUpper = QStringLiteral("MHZ");
const QString kUnit = QStringLiteral("MHz");
const QString kBracketSpace = QStringLiteral("]　");
const QString kBracketBreak = QStringLiteral("]\r\n　");

// QString::replace semantics (left to right, without overlaps), but found
// by a vectorised search for the first character: much faster for the
// short patterns here. Records where each replacement ends in the result.
bool replaceEach(QString& s, QStringView before, QStringView after,
                 std::vector<qsizetype>* ends = nullptr)
{
    const QStringView text(s);
    qsizetype match = text.indexOf(before.front());
    while (match >= 0 && !text.sliced(match).startsWith(before))
        match = text.indexOf(before.front(), match + 1);
    if (match < 0)
        return false;

    QString out;
    out.reserve(s.size());
    qsizetype copied = 0;
    while (match >= 0) {
        out.append(text.sliced(copied, match - copied));
        out.append(after);
        if (ends)
            ends->push_back(out.size());
        copied = match + before.size();
        match = text.indexOf(before.front(), copied);
        while (match >= 0 && !text.sliced(match).startsWith(before))
            match = text.indexOf(before.front(), match + 1);
    }
    out.append(text.sliced(copied));
    s = std::move(out);
    return true;
}

void cleanUp(QString& s)
{
    replaceEach(s, kSixHyphens, {});
    replaceEach(s, kTwoHyphens, {});
    s.remove(u'=');
    replaceEach(s, kUnitUpper, kUnit);
    replaceEach(s, kBracketSpace, kBracketBreak);
}

bool occursAt(const QString& s, qsizetype at, const QString& pattern)
{
    return at >= 0 && QStringView(s).sliced(at).startsWith(pattern);
}

// After cleanUp only "--" can be left (an "=" removed between hyphens).
bool isClean(const QString& s)
{
    return !s.contains(kTwoHyphens);
}

// Whether removing a tag made a clean-up pattern where the text closed up.
bool joinMadePattern(const QString& s, const std::vector<qsizetype>& joins)
{
    for (const qsizetype j : joins) {
        if (occursAt(s, j - 1, kTwoHyphens) || occursAt(s, j - 1, kBracketSpace) ||
            occursAt(s, j - 1, kUnitUpper) || occursAt(s, j - 2, kUnitUpper))
            return true;
    }
    return false;
}

// Removes every complete "<...>" from `from` (0-based) on in one pass.
void stripTagsFrom(QString& s, qsizetype from)
{
    QString out;
    out.reserve(s.size());
    out.append(QStringView(s).first(from));
    qsizetype pos = from;
    while (pos < s.size()) {
        const qsizetype open = s.indexOf(u'<', pos);
        const qsizetype close = open < 0 ? -1 : s.indexOf(u'>', open + 1);
        if (close < 0)
            break;
        out.append(QStringView(s).sliced(pos, open - pos));
        pos = close + 1;
    }
    out.append(QStringView(s).sliced(pos));
    s = std::move(out);
}

} // namespace

QString formatStationDetailWithin(const QString& section, qsizetype scanBudget)
{
    QString s = section;
    const qsizetype n = section.size();
    qsizetype scanned = 0;
    // The clean-up replacements are the identity on a clean text, and a
    // removed tag can only make a pattern where the text closes up, so
    // they run only when needed: the result is that of running them in
    // every iteration.
    bool clean = false;
    std::vector<qsizetype> joins;
    for (qsizetype i = 1; i <= n; ++i) {
        const qsizetype open = s.indexOf(u'<', i - 1);
        if (open < 0)
            break;
        const qsizetype close = s.indexOf(u'>', open + 1);
        if (close < 0)
            break;
        if (scanned > scanBudget) {
            stripTagsFrom(s, open);
            cleanUp(s);
            break;
        }
        scanned += s.size();
        const QString tag = s.sliced(open, close - open + 1);
        joins.clear();
        replaceEach(s, tag, {}, &joins);
        if (clean && !joinMadePattern(s, joins))
            continue;
        scanned += 5 * s.size();
        cleanUp(s);
        clean = isClean(s);
    }
    if (s.size() < 2)
        return {};
    return s.first(s.size() - 2);
}

QString FormatStationDetail(const QString& section)
{
    return formatStationDetailWithin(section, kFormatScanBudget);
}
