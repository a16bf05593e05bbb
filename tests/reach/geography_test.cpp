// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/coastline.h"
#include "reach/ionosondes.h"
#include "reach/maidenhead.h"
#include "reach/station_reach.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

struct CentreCase {
    const char* name;
    const char* locator;
    double lat, lon;
};
ONDREL_NAMED_CASE(CentreCase)

class LocatorCentreTest : public testing::TestWithParam<CentreCase> {};

TEST_P(LocatorCentreTest, CentreOfTheSquareAndBackAgain)
{
    const std::optional<GeoPoint> centre = locatorCentre(QString::fromLatin1(GetParam().locator));
    ASSERT_TRUE(centre.has_value());
    EXPECT_NEAR(centre->lat, GetParam().lat, 1e-9);
    EXPECT_NEAR(centre->lon, GetParam().lon, 1e-9);
    const QString again = locatorOf(*centre);
    EXPECT_TRUE(again.startsWith(QString::fromLatin1(GetParam().locator), Qt::CaseInsensitive))
        << again.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Locators, LocatorCentreTest,
    testing::Values(CentreCase{"Square", "PM95", 35.5, 139.0},
                    CentreCase{"Subsquare", "PM95vq", 35 + 16.5 / 24, 138 + 21.5 / 12},
                    CentreCase{"SmallLetters", "pm95VQ", 35 + 16.5 / 24, 138 + 21.5 / 12},
                    CentreCase{"SouthWestCorner", "AA00aa", -90 + 0.5 / 24, -180 + 0.5 / 12},
                    CentreCase{"NorthEastCorner", "RR99xx", 90 - 0.5 / 24, 180 - 0.5 / 12},
                    CentreCase{"Okinawa", "PL36", 26.5, 127.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Locator, NotALocator)
{
    for (const char* text :
         {"", "PM9", "PM95v", "PM95vq1", "SM95", "PS95", "PM95yz", "P M95", "95PM", "ＰＭ９５"})
        EXPECT_FALSE(locatorCentre(QString::fromUtf8(text)).has_value()) << text;
}

TEST(Locator, OfEachIonosonde)
{
    const std::array<const char*, 4> expected = {"QN05vd", "PM95rr", "PM51he", "PL46bq"};
    for (int k = 0; k < kStationCount; ++k)
        EXPECT_EQ(locatorOf(kIonosondes[k]), QLatin1StringView(expected[k]));
}

using Vector = std::array<double, 3>;

Vector unitVector(GeoPoint p)
{
    const double lat = p.lat * kRadiansPerDegree, lon = p.lon * kRadiansPerDegree;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

Vector cross(const Vector& a, const Vector& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// The far end worked out with vectors instead of spherical trigonometry:
// home's unit vector turned about the great circle's pole by twice the
// home–station angle.
TEST(FarEnd, AgreesWithARotationOfVectors)
{
    const GeoPoint home = *locatorCentre(QStringLiteral("PM53fo"));
    const Vector a = unitVector(home);
    const Vector b = unitVector(kIonosondes[1]);
    Vector pole = cross(a, b);
    const double norm = std::hypot(pole[0], pole[1], pole[2]);
    for (double& x : pole)
        x /= norm;
    const double angle = 2 * std::acos(a[0] * b[0] + a[1] * b[1] + a[2] * b[2]);
    const Vector side = cross(pole, a);
    Vector far;
    for (int i = 0; i < 3; ++i)
        far[i] = a[i] * std::cos(angle) + side[i] * std::sin(angle);
    const double lat = std::asin(far[2]) / kRadiansPerDegree;
    const double lon = std::atan2(far[1], far[0]) / kRadiansPerDegree;

    EsReading reading;
    reading.es = {QStringLiteral("?"), QStringLiteral("10.4"), QStringLiteral("?"),
                  QStringLiteral("?")};
    const HomePath path = *reachOf(reading, QStringLiteral("PM53fo")).stations[1].fromHome;
    EXPECT_NEAR(path.farEnd.lat, lat, 1e-6);
    EXPECT_NEAR(path.farEnd.lon, lon, 1e-6);
    EXPECT_NEAR(path.pathKm, angle * kEarthRadiusKm, 0.5);
    EXPECT_EQ(path.farEndLocator, locatorOf({lat, lon}));
}

// Whether `p` lies inside `ring` (even-odd crossings).
bool inside(const std::vector<GeoPoint>& ring, GeoPoint p)
{
    bool in = false;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const GeoPoint& a = ring[i];
        const GeoPoint& b = ring[j];
        if ((a.lat > p.lat) != (b.lat > p.lat) &&
            p.lon < (b.lon - a.lon) * (p.lat - a.lat) / (b.lat - a.lat) + a.lon)
            in = !in;
    }
    return in;
}

TEST(Coastline, LandWhereThereIsLand)
{
    const Coastline& coast = coastline();
    ASSERT_GT(coast.land.size(), 50u);
    ASSERT_GT(coast.shore.size(), 50u);
    auto onLand = [&coast](GeoPoint p) {
        return std::any_of(coast.land.begin(), coast.land.end(),
                           [p](const auto& ring) { return inside(ring, p); });
    };
    // Yamagawa's ionosonde stands on a shore that 1:50m does not resolve.
    for (const GeoPoint& p : {kIonosondes[0], kIonosondes[1], kIonosondes[3],
                              GeoPoint{43.06, 141.35}, GeoPoint{32.8, 130.75}})
        EXPECT_TRUE(onLand(p)) << p.lat << " " << p.lon;
    EXPECT_FALSE(onLand({33.0, 145.0})); // the Pacific
    EXPECT_FALSE(onLand({39.5, 134.0})); // the Sea of Japan
    EXPECT_FALSE(onLand({30.0, 125.0})); // the East China Sea
}

TEST(Coastline, ACutFileIsRefused)
{
    const QByteArray whole = QByteArray::fromHex("0100"
                                                 "0200"
                                                 "0a00"
                                                 "0b00"
                                                 "0c00"
                                                 "0d00"
                                                 "0000");
    ASSERT_TRUE(decodeCoastline(whole).has_value());
    EXPECT_DOUBLE_EQ(decodeCoastline(whole)->land.at(0).at(1).lon, 138.012);
    EXPECT_FALSE(decodeCoastline(whole.chopped(1)).has_value());
    EXPECT_FALSE(decodeCoastline(whole + QByteArray(2, '\0')).has_value());
}

} // namespace
