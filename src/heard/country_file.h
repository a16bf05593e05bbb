// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/sphere.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <optional>

// Where Debian's hamradio-files keeps the AD1C country file.
inline constexpr const char* kDebianCountryFile = "/usr/share/hamradio-files/cty.dat";

// The AD1C country file (cty.dat): entries "Name: CQ: ITU: continent:
// lat: lon: UTC offset: primary prefix:" (longitude positive WEST), then
// their prefixes, comma-separated up to ';'. "=CALL" is an exact call;
// "<lat/lon>" after a prefix overrides the entry's place. Anything else
// it does not understand is skipped.
class CountryFile {
public:
    static std::optional<CountryFile> read(const QString& path);
    // Nothing when the text holds no entry.
    static std::optional<CountryFile> parse(QByteArrayView text);

    // The exact call's place, else that of the longest prefix of the
    // call's locating part (locatingPart).
    std::optional<GeoPoint> locate(const QString& call) const;

private:
    void addEntry(QStringView header, QStringView prefixes);

    QHash<QString, GeoPoint> m_exactCalls;
    QHash<QString, GeoPoint> m_prefixes;
    qsizetype m_longestPrefix = 0;
};
