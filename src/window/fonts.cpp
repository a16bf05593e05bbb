// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/fonts.h"

#include <QStringList>

void installFontSubstitutions()
{
    QFont::insertSubstitutions(QString::fromUtf8(kGothic),
                               {QStringLiteral("IPAGothic"),
                                QStringLiteral("Noto Sans Mono CJK JP"),
                                QStringLiteral("VL Gothic"), QStringLiteral("Monospace")});
    QFont::insertSubstitutions(QString::fromUtf8(kPGothic),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                                QStringLiteral("VL PGothic"), QStringLiteral("Sans Serif")});
    QFont::insertSubstitutions(QString::fromUtf8(kMincho),
                               {QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP"),
                                QStringLiteral("Serif")});
}

QFont designFont(const char* face, double pointSize, bool bold)
{
    QFont font(QString::fromUtf8(face));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
