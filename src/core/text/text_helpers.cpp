// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/text_helpers.h"

qsizetype Find(const QString& text, const QString& what, qsizetype from)
{
    if (from < 1)
        throw ProcedureFailure("search starts before position 1");
    if (from > text.size())
        return 0;
    if (what.isEmpty())
        return from;
    return text.indexOf(what, from - 1) + 1;
}

QString Mid(const QString& text, qsizetype start, qsizetype length)
{
    if (start < 1)
        throw ProcedureFailure("cut starts before position 1");
    if (length < 0)
        throw ProcedureFailure("cut with a negative length");
    if (start > text.size())
        return {};
    return text.mid(start - 1, length);
}

QString Left(const QString& text, qsizetype length)
{
    if (length < 0)
        throw ProcedureFailure("cut with a negative length");
    return text.left(length);
}

QString Right(const QString& text, qsizetype length)
{
    if (length < 0)
        throw ProcedureFailure("cut with a negative length");
    return text.right(length);
}

QString TrimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.sliced(first, last - first);
}

QString UpperCase(QString text)
{
    for (QChar& c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80) {
            if (unit >= u'a' && unit <= u'z')
                c = QChar(unit - (u'a' - u'A'));
        } else if (!c.isSurrogate()) {
            c = c.toUpper();
        }
    }
    return text;
}
