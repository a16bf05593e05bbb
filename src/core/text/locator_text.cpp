// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/locator_text.h"

#include <QCoreApplication>
#include <QRegularExpression>

std::optional<QString> canonicalLocator(const QString& text)
{
    // Fields A to R, squares 0 to 9, subsquares A to X.
    // ASCII only: a caseless match would also take the Kelvin sign for K.
    static const QRegularExpression locator(QStringLiteral("^[A-Ra-r]{2}[0-9]{2}([A-Xa-x]{2})?$"));
    const QString trimmed = text.trimmed();
    if (!locator.match(trimmed).hasMatch())
        return std::nullopt;
    return trimmed.left(4).toUpper() + trimmed.mid(4).toLower();
}

QString locatorRefusal(const QString& typed)
{
    return QCoreApplication::translate(
               "Locator", "「%1」はロケーターではありません。英字 A～R 2 つ、数字 2 つ、"
                          "続けてよければ英字 A～X 2 つです（例 PM95、PM95vq）")
        .arg(typed.trimmed());
}
