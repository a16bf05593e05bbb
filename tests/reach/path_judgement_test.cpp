// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/english_texts.h"
#include "reach/maidenhead.h"
#include "reach/mirror_model.h"
#include "reach/open_area.h"
#include "reach/path_judgement.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

GeoPoint at(const char* locator)
{
    return *locatorCentre(QString::fromLatin1(locator));
}

EsReading readingOf(const char* wakkanai, const char* kokubunji, const char* yamagawa,
                    const char* ogimi)
{
    EsReading r;
    r.es = {QString::fromLatin1(wakkanai), QString::fromLatin1(kokubunji),
            QString::fromLatin1(yamagawa), QString::fromLatin1(ogimi)};
    return r;
}

TEST(NeededEs, BandOverTheSecantUpToOneHop)
{
    EXPECT_NEAR(*neededEs(766, 50), 14.56, 0.005);
    EXPECT_NEAR(*neededEs(1517, 144), 28.02, 0.005);
    EXPECT_NEAR(*neededEs(maxHopKm(), 50), openingEs(50), 1e-9);
    EXPECT_FALSE(neededEs(maxHopKm() + 1, 28).has_value());
}

TEST(Midpoint, TokyoToFukuokaOverShikoku)
{
    const GeoPoint m = midpoint(at("PM95"), at("PM53"));
    EXPECT_NEAR(m.lat, 34.57, 0.005);
    EXPECT_NEAR(m.lon, 134.95, 0.005);
    EXPECT_NEAR(distanceKm(at("PM95"), m), distanceKm(m, at("PM53")), 1e-6);
    // Across the date line.
    EXPECT_NEAR(midpoint({0, 179}, {0, -179}).lon, 180, 1e-9);
}

TEST(ReflectingStation, NearestWithinSixHundredKm)
{
    const NearestIonosonde nearest = nearestIonosonde({34.57, 134.95});
    EXPECT_EQ(nearest.station, 1);
    EXPECT_NEAR(nearest.km, 432, 0.5);
    EXPECT_EQ(reflectingStation({34.57, 134.95}), 1);
    EXPECT_EQ(reflectingStation({40.35, 130.6}), std::nullopt); // 933 km from 国
}

struct OpenCase {
    const char* name;
    const char* far;
    int bandMHz;
    const char* kokubunji;
    bool open;
};
ONDREL_NAMED_CASE(OpenCase)

class PathOpenTest : public testing::TestWithParam<OpenCase> {};

// From Tokyo; Fukuoka (766 km) reflects over 国 and needs 14.56 MHz on 50.
TEST_P(PathOpenTest, FromTokyo)
{
    EXPECT_EQ(pathOpen(at("PM95"), at(GetParam().far), GetParam().bandMHz,
                       readingOf("30", GetParam().kokubunji, "30", "30")),
              GetParam().open);
}

INSTANTIATE_TEST_SUITE_P(Paths, PathOpenTest,
                         testing::Values(OpenCase{"EsCarriesIt", "PM53", 50, "14.6", true},
                                         OpenCase{"EsJustShort", "PM53", 50, "14.5", false},
                                         OpenCase{"NoNumber", "PM53", 50, "?", false},
                                         OpenCase{"UnderFiveHundredKm", "PM74", 28, "30", false},
                                         OpenCase{"BeyondOneHop", "OL72", 28, "30", false},
                                         OpenCase{"NoStationNearTheMidpoint", "PN04", 28, "30",
                                                  false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Kokubunji quiet, Yamagawa 12 MHz: from Tokyo 50 MHz reaches the far
// west and south-west only, where the midpoint lies over Kyushu.
TEST(OpenArea, WestwardViaYamagawa)
{
    const EsReading r = readingOf("3.0", "5", "12.0", "?");
    const OpenArea area = openArea(at("PM95vq"), r, 50);
    ASSERT_TRUE(area.open);
    EXPECT_EQ(area.minKm, 1050);
    EXPECT_EQ(area.maxKm, 2298);
    EXPECT_FALSE(area.allAround);
    EXPECT_EQ(compassWord(area.fromBearing), u"南西");
    EXPECT_EQ(compassWord(area.toBearing), u"西");
    EXPECT_EQ(area.stations, std::vector<int>{2});
    EXPECT_EQ(openAreaLine(50, area), u"50 MHz: 1,050–2,298 km、南西〜西、鹿 経由");
    EXPECT_FALSE(openArea(at("PM95vq"), r, 144).open);
    EXPECT_EQ(openAreaLine(144, openArea(at("PM95vq"), r, 144)), u"144 MHz: closed");

    const auto english = installEnglishTexts();
    ASSERT_TRUE(english);
    EXPECT_EQ(openAreaLine(50, area), u"50 MHz: 1,050–2,298 km, SW to W, via Y");
}

// A home near a station: the area lies all around it, reflected over both.
TEST(OpenArea, AllAroundFromNearAStation)
{
    const OpenArea area = openArea(at("PM95vq"), readingOf("3.0", "15.3", "15.0", "?"), 50);
    ASSERT_TRUE(area.open);
    EXPECT_TRUE(area.allAround);
    EXPECT_EQ(area.minKm, 750);
    EXPECT_EQ(area.stations, (std::vector<int>{1, 2}));
    EXPECT_EQ(openAreaLine(50, area), u"50 MHz: 750–2,298 km、全方位、国・鹿 経由");
}

TEST(CompassWord, EightPoints)
{
    const std::pair<double, const char*> cases[] = {{0, "北"},   {22, "北"},    {23, "北東"},
                                                    {180, "南"}, {225, "南西"}, {350, "北"}};
    for (const auto& [bearing, word] : cases)
        EXPECT_EQ(compassWord(bearing), QString::fromUtf8(word)) << bearing;
}

} // namespace
