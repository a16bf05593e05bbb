// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/country_file.h"

#include "heard/decode_text.h"

#include <QFile>

#include <cmath>

namespace {

// A latitude and a west-positive longitude from text, east-positive.
std::optional<GeoPoint> placeOf(QStringView lat, QStringView westLon)
{
    bool latOk = false, lonOk = false;
    const double latitude = lat.trimmed().toDouble(&latOk);
    const double longitude = -westLon.trimmed().toDouble(&lonOk);
    if (!latOk || !lonOk || !(std::abs(latitude) <= 90) || !(std::abs(longitude) <= 180))
        return std::nullopt;
    return GeoPoint{latitude, longitude};
}

} // namespace

std::optional<CountryFile> CountryFile::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.readAll());
}

std::optional<CountryFile> CountryFile::parse(QByteArrayView text)
{
    CountryFile countries;
    const QString all = QString::fromLatin1(text);
    for (QStringView entry : QStringView(all).split(u';')) {
        // The header is the first eight ':'-separated fields.
        qsizetype end = -1;
        for (int field = 0; field < 8; ++field) {
            end = entry.indexOf(u':', end + 1);
            if (end < 0)
                break;
        }
        if (end >= 0)
            countries.addEntry(entry.first(end), entry.sliced(end + 1));
    }
    if (countries.m_prefixes.isEmpty() && countries.m_exactCalls.isEmpty())
        return std::nullopt;
    return countries;
}

void CountryFile::addEntry(QStringView header, QStringView prefixes)
{
    const QList<QStringView> fields = header.split(u':');
    const std::optional<GeoPoint> place = placeOf(fields[4], fields[5]);
    if (!place)
        return;
    for (QStringView item : prefixes.split(u',')) {
        item = item.trimmed();
        GeoPoint where = *place;
        const qsizetype open = item.indexOf(u'<');
        const qsizetype close = item.indexOf(u'>', open + 1);
        if (open >= 0 && close > open) {
            const QStringView latLon = item.sliced(open + 1, close - open - 1);
            const qsizetype slash = latLon.indexOf(u'/');
            if (slash >= 0)
                where = placeOf(latLon.first(slash), latLon.sliced(slash + 1)).value_or(where);
        }
        qsizetype nameEnd = 0;
        while (nameEnd < item.size() && !QStringLiteral("([<{~").contains(item[nameEnd]))
            ++nameEnd;
        const bool exact = item.startsWith(u'=');
        const QString name = item.sliced(exact ? 1 : 0, nameEnd - (exact ? 1 : 0)).toString();
        if (name.isEmpty())
            continue;
        if (exact) {
            m_exactCalls.insert(name, where);
        } else {
            m_prefixes.insert(name, where);
            m_longestPrefix = std::max(m_longestPrefix, name.size());
        }
    }
}

std::optional<GeoPoint> CountryFile::locate(const QString& call) const
{
    if (const auto exact = m_exactCalls.constFind(call); exact != m_exactCalls.constEnd())
        return *exact;
    const QString part = locatingPart(call);
    for (qsizetype length = std::min(part.size(), m_longestPrefix); length > 0; --length) {
        const auto prefix = m_prefixes.constFind(part.first(length));
        if (prefix != m_prefixes.constEnd())
            return *prefix;
    }
    return std::nullopt;
}
