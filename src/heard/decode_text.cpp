// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/decode_text.h"

#include <QStringList>

#include <algorithm>

namespace {

bool isLetter(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool allOf(QStringView text, bool (*test)(QChar))
{
    return std::all_of(text.begin(), text.end(), test);
}

// One call without '/': a prefix of 1–3 letters and digits holding a
// letter, the area digit, then 1–4 letters ("JA1XYZ", "7J1ABC", "3DA0RU").
bool isPlainCall(QStringView text)
{
    if (text.size() < 3 || text.size() > 8)
        return false;
    qsizetype digit = text.size() - 1;
    while (digit >= 0 && !isDigit(text[digit]))
        --digit;
    const QStringView prefix = text.first(std::max<qsizetype>(digit, 0));
    const QStringView suffix = text.sliced(digit + 1);
    return digit >= 1 && prefix.size() <= 3 &&
           allOf(prefix, [](QChar c) { return isLetter(c) || isDigit(c); }) &&
           std::any_of(prefix.begin(), prefix.end(), isLetter) && !suffix.isEmpty() &&
           suffix.size() <= 4 && allOf(suffix, isLetter);
}

// The parts of a compound call beside the call itself ("P", "KH0", "6").
bool isCallPart(QStringView text)
{
    return !text.isEmpty() && text.size() <= 4 &&
           allOf(text, [](QChar c) { return isLetter(c) || isDigit(c); });
}

// Suffixes that say how, not where, a station operates.
bool isOperatingSuffix(QStringView text)
{
    static const QStringList suffixes = {
        QStringLiteral("P"),   QStringLiteral("M"), QStringLiteral("MM"), QStringLiteral("AM"),
        QStringLiteral("QRP"), QStringLiteral("R"), QStringLiteral("A"),  QStringLiteral("LH")};
    return suffixes.contains(text);
}

// The word after CQ that names whom the call is for ("DX", "POTA", "JA", "123").
bool isCqModifier(QStringView text)
{
    return (!text.isEmpty() && text.size() <= 4 && allOf(text, isLetter)) ||
           (text.size() == 3 && allOf(text, isDigit));
}

// A call as sent, possibly hashed: the call and whether it was.
std::optional<DecodeSender> callOf(const QString& word)
{
    if (word.size() > 2 && word.startsWith(u'<') && word.endsWith(u'>')) {
        const QString inner = word.sliced(1, word.size() - 2);
        if (!isCall(inner))
            return std::nullopt; // "<...>": a hash nobody resolved
        return DecodeSender{inner, {}, true};
    }
    if (!isCall(word))
        return std::nullopt;
    return DecodeSender{word, {}, false};
}

// The sender at `words[at]`, with the grid after it; nothing when more
// words follow than a standard message has.
std::optional<DecodeSender> senderAt(const QStringList& words, qsizetype at)
{
    if (at >= words.size())
        return std::nullopt;
    std::optional<DecodeSender> sender = callOf(words[at]);
    if (!sender)
        return std::nullopt;
    qsizetype next = at + 1;
    if (next + 1 < words.size() && words[next] == u"R") // "R PM95" in contests
        ++next;
    if (next < words.size() && isGrid(words[next]))
        sender->grid = words[next];
    return words.size() <= at + 3 ? sender : std::nullopt;
}

} // namespace

bool isCall(const QString& text)
{
    const QStringList parts = text.split(u'/');
    if (parts.size() > 3)
        return false;
    int calls = 0;
    for (const QString& part : parts) {
        if (isPlainCall(part))
            ++calls;
        else if (!isCallPart(part))
            return false;
    }
    return calls >= 1;
}

bool isGrid(const QString& text)
{
    const auto field = [](QChar c) { return c >= u'A' && c <= u'R'; };
    return text.size() == 4 && field(text[0]) && field(text[1]) && isDigit(text[2]) &&
           isDigit(text[3]) && text != u"RR73";
}

std::optional<DecodeSender> senderOf(const QString& message)
{
    const QStringList words = message.toUpper().split(u' ', Qt::SkipEmptyParts);
    if (words.size() < 2)
        return std::nullopt;
    if (words[0] == u"CQ" || words[0] == u"QRZ") {
        const bool modified = words.size() > 2 && !isCall(words[1]) && isCqModifier(words[1]);
        return senderAt(words, modified ? 2 : 1);
    }
    if (!callOf(words[0]) && words[0] != u"<...>")
        return std::nullopt;
    return senderAt(words, 1);
}

QString locatingPart(const QString& call)
{
    const QStringList parts = call.split(u'/');
    QString base;
    for (const QString& part : parts) {
        if (isPlainCall(part) && part.size() > base.size())
            base = part;
    }
    if (base.isEmpty())
        return call;
    for (const QString& part : parts) {
        if (part == base || isOperatingSuffix(part))
            continue;
        if (part.size() == 1 && isDigit(part[0])) {
            // "JA1XYZ/6": the station is in area 6.
            QString moved = base;
            qsizetype digit = moved.size() - 1;
            while (!isDigit(moved[digit]))
                --digit;
            moved[digit] = part[0];
            return moved;
        }
        return part; // "KH0/JA1XYZ", "JA1XYZ/KH0"
    }
    return base;
}
