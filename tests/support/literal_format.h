// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The station detail loop exactly as the readout is defined, without the
// shortcuts of FormatStationDetail; quadratic, for small sections only.
inline QString literalFormat(const QString& section)
{
    QString s = section;
    for (qsizetype i = 1; i <= section.size(); ++i) {
        const qsizetype a = s.indexOf(u'<', i - 1);
        if (a < 0)
            break;
        const qsizetype close = s.indexOf(u'>', a + 1);
        if (close < 0)
            break;
        s.replace(s.sliced(a, close - a + 1), QString());
        s.replace(QStringLiteral("------"), QString());
        s.replace(QStringLiteral("--"), QString());
        s.replace(QStringLiteral("="), QString());
        s.replace(QStringLiteral("MHZ"), QStringLiteral("MHz"));
        s.replace(QStringLiteral("]　"), QStringLiteral("]\r\n　"));
    }
    return s.size() < 2 ? QString() : s.first(s.size() - 2);
}
