// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/decode_time.h"
#include "heard/heard_station.h"
#include "reach/maidenhead.h"
#include "support/named_case.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

// Es of 国 15.3, 鹿 "?" (no number), 稚 and 沖 low.
EsReading reading()
{
    EsReading r;
    r.pageTime = QStringLiteral("2024/06/01 12:15");
    r.es = {QStringLiteral("3.0"), QStringLiteral("15.3"), QStringLiteral("?"),
            QStringLiteral("30.0")};
    return r;
}

struct VerdictCase {
    const char* name;
    const char* far;
    std::optional<int> bandMHz;
    bool withReading;
    int km;
    std::optional<double> neededEs;
    std::optional<int> station;
    std::optional<Verdict> verdict;
};
ONDREL_NAMED_CASE(VerdictCase)

class VerdictTest : public testing::TestWithParam<VerdictCase> {};

// From Tokyo (PM95): Fukuoka is 766 km, its midpoint 432 km from 国, and
// 50 MHz needs 50 / sec φ(766 km) = 14.56 MHz there.
TEST_P(VerdictTest, FromTokyo)
{
    const EsReading r = reading();
    const HeardPath path = judgeHeardPath(
        *locatorCentre(QStringLiteral("PM95")), *locatorCentre(QString::fromLatin1(GetParam().far)),
        GetParam().bandMHz, GetParam().withReading ? &r : nullptr);
    EXPECT_EQ(path.km, GetParam().km);
    EXPECT_EQ(path.neededEs.has_value(), GetParam().neededEs.has_value());
    if (path.neededEs && GetParam().neededEs) {
        EXPECT_NEAR(*path.neededEs, *GetParam().neededEs, 0.005);
    }
    EXPECT_EQ(path.station, GetParam().station);
    EXPECT_EQ(path.verdict, GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, VerdictTest,
    testing::Values(
        VerdictCase{"FukuokaOpenOn50", "PM53", 50, true, 766, 14.56, 1, Verdict::Open},
        VerdictCase{"FukuokaClosedOn144", "PM53", 144, true, 766, 41.94, 1, Verdict::Closed},
        VerdictCase{"FukuokaWithoutAPage", "PM53", 50, false, 766, 14.56, 1, Verdict::NoReading},
        VerdictCase{"OsakaShort", "PM74", 50, true, 381, 24.64, 1, Verdict::Short},
        VerdictCase{"HongKongBeyond", "OL72", 50, true, 2734, std::nullopt, 3, Verdict::Beyond},
        VerdictCase{"InnerMongoliaFar", "PN04", 50, true, 1825, 9.20, std::nullopt, Verdict::Far},
        VerdictCase{"OkinawaViaYamagawaNoNumber", "PL36", 50, true, 1517, 9.73, 2,
                    Verdict::NoReading},
        VerdictCase{"FortyMetresNotJudged", "PM53", 7, true, 766, std::nullopt, 1, std::nullopt},
        VerdictCase{"UnknownBandNotJudged", "PM53", std::nullopt, true, 766, std::nullopt, 1,
                    std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Verdict, Names)
{
    EXPECT_EQ(verdictName(Verdict::Open), u"open");
    EXPECT_EQ(verdictName(Verdict::Closed), u"closed");
    EXPECT_EQ(verdictName(Verdict::Short), u"short");
    EXPECT_EQ(verdictName(Verdict::Beyond), u"beyond");
    EXPECT_EQ(verdictName(Verdict::Far), u"far");
    EXPECT_EQ(verdictName(Verdict::NoReading), u"no-reading");
}

TEST(DialBand, JudgedBandsAndOthers)
{
    const std::tuple<quint64, int, const char*, bool> cases[] = {
        {28'074'000, 28, "10m", true},  {50'313'000, 50, "6m", true},
        {144'460'000, 144, "2m", true}, {14'074'000, 14, "20m", false},
        {7'041'000, 7, "40m", false},   {433'000'000, 430, "70cm", false}};
    for (const auto& [hz, mhz, name, judged] : cases) {
        const std::optional<DialBand> band = dialBand(hz);
        ASSERT_TRUE(band.has_value()) << hz;
        EXPECT_EQ(band->mhz, mhz);
        EXPECT_EQ(band->name, QString::fromLatin1(name));
        EXPECT_EQ(band->judged, judged);
    }
    EXPECT_FALSE(amateurBandMHz(0).has_value());
    EXPECT_FALSE(amateurBandMHz(100'000'000).has_value());
    // ADIF's FREQ and BAND go through the same table, both edges in the band.
    EXPECT_EQ(frequencyBand(29.7)->name, u"10m");
    EXPECT_EQ(frequencyBand(50.0)->mhz, 50);
    EXPECT_FALSE(frequencyBand(1e300).has_value());
    EXPECT_EQ(bandNamed(QStringLiteral("2m"))->mhz, 144);
    EXPECT_FALSE(bandNamed(QStringLiteral("7m")).has_value());
}

TEST(DecodeTime, DateFromTheReceipt)
{
    const auto utc = [](int day, int h, int m, int s) {
        return QDateTime(QDate(2024, 6, day), QTime(h, m, s), QTimeZone::utc());
    };
    const auto ms = [](int h, int m, int s) { return quint32(((h * 60 + m) * 60 + s) * 1000); };
    const std::tuple<quint32, QDateTime, QDateTime> cases[] = {
        {ms(12, 0, 0), utc(2, 12, 0, 14), utc(2, 12, 0, 0)},
        {ms(23, 59, 58), utc(2, 0, 0, 1), utc(1, 23, 59, 58)}, // yesterday's
        {ms(0, 0, 1), utc(1, 23, 59, 59), utc(2, 0, 0, 1)},    // a clock a little ahead
        {ms(0, 0, 0), utc(2, 0, 0, 0), utc(2, 0, 0, 0)},
        {ms(1, 0, 0), utc(2, 0, 59, 30), utc(1, 1, 0, 0)}}; // a replayed old decode
    for (const auto& [at, received, expected] : cases)
        EXPECT_EQ(decodeDateTime(at, received), expected) << received.toString().toStdString();
}

TEST(HeardStation, DecodeWithTheClientsBand)
{
    ClientBands clients;
    WsjtxStatus status;
    status.id = QStringLiteral("WSJT-X");
    status.dialHz = 50'313'000;
    status.mode = QStringLiteral("FT8");
    status.deGrid = QStringLiteral("PM95");
    clients.update(status);
    WsjtxDecode decode;
    decode.id = status.id;
    decode.msSinceMidnight = 3 * 3600 * 1000;
    decode.snr = -9;
    decode.mode = QStringLiteral("~");
    decode.message = QStringLiteral("CQ JA6ABC PM53");
    const QDateTime received(QDate(2024, 6, 1), QTime(3, 0, 13), QTimeZone::utc());
    const CallLocator locator(std::optional<CountryFile>{});
    GridMemory memory;
    const EsReading r = reading();

    const std::optional<HeardStation> heard =
        heardStationOf(decode, received, clients, {}, locator, memory, &r);
    ASSERT_TRUE(heard.has_value());
    EXPECT_EQ(heard->time, received.addSecs(-13));
    ASSERT_TRUE(heard->band.has_value());
    EXPECT_EQ(heard->band->name, u"6m");
    EXPECT_DOUBLE_EQ(heard->dialMHz, 50.313);
    EXPECT_EQ(heard->mode, u"FT8");
    EXPECT_EQ(heard->call, u"JA6ABC");
    ASSERT_TRUE(heard->path.has_value()); // home from the DE grid
    EXPECT_EQ(heard->path->verdict, Verdict::Open);
    EXPECT_EQ(memory.gridOf(QStringLiteral("JA6ABC")), u"PM53");

    // A later report without a grid is placed by the remembered one; after
    // Close the client's band is gone, and with it the home and the path.
    decode.message = QStringLiteral("JA1XYZ JA6ABC R-12");
    EXPECT_EQ(heardStationOf(decode, received, clients, {}, locator, memory, &r)->location->by,
              LocatedBy::Grid);
    clients.forget(status.id);
    const std::optional<HeardStation> closed =
        heardStationOf(decode, received, clients, {}, locator, memory, &r);
    EXPECT_FALSE(closed->band.has_value());
    EXPECT_FALSE(closed->path.has_value());
    EXPECT_EQ(closed->mode, u"~");

    decode.message = QStringLiteral("TNX 73 GL");
    EXPECT_FALSE(heardStationOf(decode, received, clients, {}, locator, memory, &r).has_value());
}

} // namespace
