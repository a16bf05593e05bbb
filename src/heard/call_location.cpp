// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/call_location.h"

#include "heard/decode_text.h"
#include "reach/maidenhead.h"

#include <array>

namespace {

// Each call area's centre: its largest city, where most of its stations
// are. Okinawa (JR6, JS6 and others) shares area 6 with Kyushu, and its
// prefixes are issued in Kyushu too, so area 6 stays at Fukuoka; Okinawan
// stations are placed right when they send a grid.
constexpr std::array<GeoPoint, 10> kAreaCentres = {{
    {36.65, 138.19}, // 0 Shinetsu: Nagano
    {35.69, 139.69}, // 1 Kanto: Tokyo
    {35.18, 136.91}, // 2 Tokai: Nagoya
    {34.69, 135.50}, // 3 Kinki: Osaka
    {34.39, 132.46}, // 4 Chugoku: Hiroshima
    {33.84, 132.77}, // 5 Shikoku: Matsuyama
    {33.59, 130.40}, // 6 Kyushu and Okinawa: Fukuoka
    {38.27, 140.87}, // 7 Tohoku: Sendai
    {43.06, 141.35}, // 8 Hokkaido: Sapporo
    {36.56, 136.66}, // 9 Hokuriku: Kanazawa
}};

// JD1 is the Ogasawara islands (and Minami-Torishima, placed with them).
constexpr GeoPoint kOgasawara = {27.09, 142.19};

bool isJapanesePrefix(QChar first, QChar second)
{
    return (first == u'J' && second >= u'A' && second <= u'S') ||
           ((first == u'7' || first == u'8') && second >= u'J' && second <= u'N');
}

// "RR73" reads as a locator but is a sign-off.
std::optional<GeoPoint> gridCentre(const QString& grid)
{
    return grid == u"RR73" ? std::nullopt : locatorCentre(grid);
}

} // namespace

QString locatedByName(LocatedBy by)
{
    switch (by) {
    case LocatedBy::Grid:
        return QStringLiteral("grid");
    case LocatedBy::Area:
        return QStringLiteral("area");
    case LocatedBy::Prefix:
        return QStringLiteral("prefix");
    }
    return {};
}

std::optional<GeoPoint> japaneseAreaCentre(const QString& call)
{
    const QString part = locatingPart(call);
    if (part.size() < 3 || !isJapanesePrefix(part[0], part[1]) || part[2] < u'0' || part[2] > u'9')
        return std::nullopt;
    if (part.startsWith(u"JD1"))
        return kOgasawara;
    return kAreaCentres[static_cast<std::size_t>(part[2].unicode() - u'0')];
}

CallLocator::CallLocator(const QString& countryFilePath)
    : m_countries(CountryFile::read(countryFilePath))
{
}

CallLocator::CallLocator(std::optional<CountryFile> countries) : m_countries(std::move(countries))
{
}

std::optional<CallLocation> CallLocator::locate(const QString& call, const QString& grid,
                                                const GridMemory& memory) const
{
    for (const QString& known : {grid, memory.gridOf(call).value_or(QString())}) {
        if (const std::optional<GeoPoint> centre = gridCentre(known))
            return CallLocation{*centre, LocatedBy::Grid, known};
    }
    if (const std::optional<GeoPoint> area = japaneseAreaCentre(call))
        return CallLocation{*area, LocatedBy::Area, {}};
    if (m_countries) {
        if (const std::optional<GeoPoint> place = m_countries->locate(call))
            return CallLocation{*place, LocatedBy::Prefix, {}};
    }
    return std::nullopt;
}
