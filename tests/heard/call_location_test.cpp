// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/call_location.h"
#include "support/named_case.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

// A few entries the way AD1C writes them: longitudes positive west.
constexpr char kCountries[] =
    R"(Japan:                    25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:
    7J,7K,JA,JE,
    =JA1ZZZ;
Mariana Islands:          27:  64:  OC:   15.18:  -145.72:   -10.0:  KH0:
    AH0,KH0,NH0,WH0;
United States:            05:  08:  NA:   37.53:    91.67:     5.0:  K:
    AA,K,N,W,=W1AW(5)[8]<41.7/72.7>{NA}~5.0~;
Broken:                   05:  08:  NA:   north:    91.67:     5.0:  ZZ:
    ZZ;
)";

class CallLocatorTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QFile file(m_dir.filePath(QStringLiteral("cty.dat")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kCountries);
    }

    QTemporaryDir m_dir;
    GridMemory m_memory;
};

struct LocationCase {
    const char* name;
    const char* call;
    const char* grid; // sent with it
    LocatedBy by;
    double lat, lon;
};
ONDREL_NAMED_CASE(LocationCase)

class CallLocationTest : public CallLocatorTest,
                         public testing::WithParamInterface<LocationCase> {};

TEST_P(CallLocationTest, PlacedBy)
{
    const CallLocator locator(m_dir.filePath(QStringLiteral("cty.dat")));
    ASSERT_FALSE(locator.countryFileMissing());
    const std::optional<CallLocation> location = locator.locate(
        QString::fromLatin1(GetParam().call), QString::fromLatin1(GetParam().grid), m_memory);
    ASSERT_TRUE(location.has_value());
    EXPECT_EQ(location->by, GetParam().by);
    EXPECT_NEAR(location->point.lat, GetParam().lat, 1e-9);
    EXPECT_NEAR(location->point.lon, GetParam().lon, 1e-9);
    EXPECT_EQ(location->grid, GetParam().by == LocatedBy::Grid ? GetParam().grid : "");
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CallLocationTest,
    testing::Values(
        LocationCase{"GridFirst", "JA6ABC", "PM95", LocatedBy::Grid, 35.5, 139.0},
        LocationCase{"GridAbroad", "HL1ABC", "PM37", LocatedBy::Grid, 37.5, 127.0},
        LocationCase{"Area1Tokyo", "JA1XYZ", "", LocatedBy::Area, 35.69, 139.69},
        LocationCase{"Area6Fukuoka", "JR6DEF", "", LocatedBy::Area, 33.59, 130.40},
        LocationCase{"Area8Sapporo", "JL8ABC", "", LocatedBy::Area, 43.06, 141.35},
        LocationCase{"Area0Nagano", "JH0ABC", "", LocatedBy::Area, 36.65, 138.19},
        LocationCase{"SevenJ", "7J1ABC", "", LocatedBy::Area, 35.69, 139.69},
        LocationCase{"EightJSpecial", "8J3EXPO", "", LocatedBy::Area, 34.69, 135.50},
        LocationCase{"PortableInArea6", "JA1XYZ/6", "", LocatedBy::Area, 33.59, 130.40},
        LocationCase{"Ogasawara", "JD1/JA1XYZ", "", LocatedBy::Area, 27.09, 142.19},
        LocationCase{"CompoundPrefix", "KH0/JA1XYZ", "", LocatedBy::Prefix, 15.18, 145.72},
        LocationCase{"WestIsNegative", "K1ABC", "", LocatedBy::Prefix, 37.53, -91.67},
        LocationCase{"ExactCallOverride", "W1AW", "", LocatedBy::Prefix, 41.7, -72.7},
        LocationCase{"NotAGridIsIgnored", "W2XYZ", "RR73", LocatedBy::Prefix, 37.53, -91.67}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CallLocatorTest, RememberedGridPlacesLaterMessages)
{
    const CallLocator locator(m_dir.filePath(QStringLiteral("cty.dat")));
    const QDateTime t(QDate(2024, 6, 1), QTime(3, 0), QTimeZone::utc());
    m_memory.remember(QStringLiteral("HL1ABC"), QStringLiteral("PM37"), t);
    m_memory.remember(QStringLiteral("HL1ABC"), QStringLiteral("PM38"), t.addSecs(-60));
    const std::optional<CallLocation> location =
        locator.locate(QStringLiteral("HL1ABC"), {}, m_memory);
    ASSERT_TRUE(location.has_value());
    EXPECT_EQ(location->by, LocatedBy::Grid);
    EXPECT_EQ(location->grid, u"PM37"); // the older sighting did not replace it
    m_memory.remember(QStringLiteral("HL1ABC"), QStringLiteral("PM38"), t.addSecs(60));
    EXPECT_EQ(m_memory.gridOf(QStringLiteral("HL1ABC")), u"PM38");
}

TEST_F(CallLocatorTest, UnknownPrefixAndMissingFile)
{
    const CallLocator withFile(m_dir.filePath(QStringLiteral("cty.dat")));
    EXPECT_FALSE(withFile.locate(QStringLiteral("BV2ABC"), {}, m_memory).has_value());
    EXPECT_FALSE(withFile.locate(QStringLiteral("ZZ1ABC"), {}, m_memory).has_value());

    const CallLocator without(m_dir.filePath(QStringLiteral("missing.dat")));
    EXPECT_TRUE(without.countryFileMissing());
    EXPECT_FALSE(without.locate(QStringLiteral("K1ABC"), {}, m_memory).has_value());
    EXPECT_TRUE(without.locate(QStringLiteral("JA1XYZ"), {}, m_memory).has_value());
}

TEST(CountryFile, NothingUsableIsNoFile)
{
    for (const char* text : {"", "garbage;", "A:1:2:AS:x:y:0:A:\n A;", ":::::::;;;"})
        EXPECT_FALSE(CountryFile::parse(text).has_value()) << text;
}

TEST(GridMemory, StaysBoundedUnderAFlood)
{
    GridMemory memory;
    const QDateTime t(QDate(2024, 6, 1), QTime(3, 0), QTimeZone::utc());
    for (int i = 0; i < GridMemory::kMaxCalls + 10; ++i)
        memory.remember(QStringLiteral("JA1%1").arg(i), QStringLiteral("PM95"), t.addSecs(i));
    EXPECT_LE(memory.entries().size(), GridMemory::kMaxCalls);
    EXPECT_TRUE(memory.gridOf(QStringLiteral("JA1%1").arg(GridMemory::kMaxCalls + 9)).has_value());
    EXPECT_FALSE(memory.gridOf(QStringLiteral("JA10")).has_value());
}

} // namespace
