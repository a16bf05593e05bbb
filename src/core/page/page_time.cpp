// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/page_time.h"

#include <QRegularExpression>
#include <QTimeZone>

std::optional<QDateTime> pageTimeToUtc(const QString& text)
{
    // NFKC turns full-width digits and colons into ASCII ones.
    static const QRegularExpression pattern(QStringLiteral(
        R"((\d{4})\s*[/\-.年]\s*(\d{1,2})\s*[/\-.月]\s*(\d{1,2})\s*日?\s*(?:T|\s)?\s*)"
        R"((\d{1,2})\s*[:時]\s*(\d{1,2})(?:\s*[:分]\s*(\d{1,2}))?\s*(?:秒)?\s*(\S*))"));
    const QRegularExpressionMatch m = pattern.match(text.normalized(QString::NormalizationForm_KC));
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    const QString zone = m.captured(7).toUpper();
    const bool utc =
        zone.startsWith(u"UTC") || zone.startsWith(u"GMT") || zone == u"UT" || zone == u"Z";
    const QDateTime local(date, time, QTimeZone(utc ? 0 : 9 * 3600));
    return local.toUTC();
}
