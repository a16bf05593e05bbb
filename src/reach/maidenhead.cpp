// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/maidenhead.h"

#include "core/text/locator_text.h"

#include <algorithm>
#include <cmath>

namespace {

// Degrees of longitude and latitude per field, square and subsquare.
constexpr double kFieldLon = 20, kFieldLat = 10;
constexpr double kSquareLon = 2, kSquareLat = 1;
constexpr double kSubLon = 5.0 / 60, kSubLat = 2.5 / 60;
constexpr int kFields = 18;     // A to R
constexpr int kSubsquares = 24; // a to x

// Index of a letter or digit from `first`.
int indexOf(QChar c, char first)
{
    return c.toUpper().unicode() - first;
}

} // namespace

std::optional<GeoPoint> locatorCentre(const QString& locator)
{
    const std::optional<QString> text = canonicalLocator(locator);
    if (!text)
        return std::nullopt;
    const QString& l = *text;
    double lon = -180 + indexOf(l[0], 'A') * kFieldLon + indexOf(l[2], '0') * kSquareLon;
    double lat = -90 + indexOf(l[1], 'A') * kFieldLat + indexOf(l[3], '0') * kSquareLat;
    if (l.size() == 6) {
        lon += (indexOf(l[4], 'A') + 0.5) * kSubLon;
        lat += (indexOf(l[5], 'A') + 0.5) * kSubLat;
    } else {
        lon += kSquareLon / 2;
        lat += kSquareLat / 2;
    }
    return GeoPoint{lat, lon};
}

QString locatorOf(GeoPoint point)
{
    // The east and north edges of the grid belong to the last subsquare.
    const double lon = std::clamp(point.lon + 180, 0.0, 360.0 - 1e-9);
    const double lat = std::clamp(point.lat + 90, 0.0, 180.0 - 1e-9);
    const int fieldLon = std::min(kFields - 1, static_cast<int>(lon / kFieldLon));
    const int fieldLat = std::min(kFields - 1, static_cast<int>(lat / kFieldLat));
    const double restLon = lon - fieldLon * kFieldLon;
    const double restLat = lat - fieldLat * kFieldLat;
    const int squareLon = std::min(9, static_cast<int>(restLon / kSquareLon));
    const int squareLat = std::min(9, static_cast<int>(restLat / kSquareLat));
    const int subLon =
        std::min(kSubsquares - 1, static_cast<int>((restLon - squareLon * kSquareLon) / kSubLon));
    const int subLat =
        std::min(kSubsquares - 1, static_cast<int>((restLat - squareLat * kSquareLat) / kSubLat));
    const QChar letters[] = {QChar(u'A' + fieldLon),  QChar(u'A' + fieldLat),
                             QChar(u'0' + squareLon), QChar(u'0' + squareLat),
                             QChar(u'a' + subLon),    QChar(u'a' + subLat)};
    return QString(letters, std::size(letters));
}
