// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cli_runner.h"
#include "support/http_test_server.h"
#include "support/named_case.h"
#include "support/test_page.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>

namespace {

// The thin mirror worked out afresh, with vectors and a search instead of
// the model's closed forms: the hop's midpoint at the top of a circle of
// radius R, its end on the ground θ = D / 2R away, the layer h above.
constexpr double kR = 6371;
constexpr double kH = 105;
constexpr double kDegree = std::numbers::pi / 180;

// sec φ: the ray from the ground to the layer over the midpoint against
// the vertical there.
double secantAt(double pathKm)
{
    const double theta = pathKm / (2 * kR);
    const double dx = kR * std::sin(theta);
    const double dy = kR + kH - kR * std::cos(theta);
    return std::hypot(dx, dy) / dy;
}

// The ray grazes the ground: the ground's radius is square to it.
double longestHopKm()
{
    return 2 * kR * std::acos(kR / (kR + kH));
}

// The shortest hop a band at `ratio` times f_c takes; nothing when none does.
std::optional<double> skipKm(double ratio)
{
    if (ratio <= 1)
        return 0.0;
    double low = 0;
    double high = longestHopKm();
    if (secantAt(high) < ratio)
        return std::nullopt;
    for (int i = 0; i < 100; ++i) {
        const double mid = (low + high) / 2;
        (secantAt(mid) < ratio ? low : high) = mid;
    }
    return low;
}

struct Vector {
    double x, y, z;
};

Vector unit(double lat, double lon)
{
    return {std::cos(lat * kDegree) * std::cos(lon * kDegree),
            std::cos(lat * kDegree) * std::sin(lon * kDegree), std::sin(lat * kDegree)};
}

double dot(Vector a, Vector b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The centre of a 6-character locator's subsquare.
Vector locatorCentre(const QString& locator)
{
    const QString l = locator.toUpper();
    const double lon = (l[0].unicode() - 'A') * 20 + (l[2].unicode() - '0') * 2 +
                       (l[4].unicode() - 'A') * (5.0 / 60) + 2.5 / 60 - 180;
    const double lat = (l[1].unicode() - 'A') * 10 + (l[3].unicode() - '0') +
                       (l[5].unicode() - 'A') * (2.5 / 60) + 1.25 / 60 - 90;
    return unit(lat, lon);
}

QString locatorOf(Vector v)
{
    const double lat = std::asin(v.z) / kDegree + 90;
    const double lon = std::atan2(v.y, v.x) / kDegree + 180;
    const auto letter = [](double value, char first) { return QChar(first + int(value)); };
    return QString() + letter(lon / 20, 'A') + letter(lat / 10, 'A') +
           letter(std::fmod(lon, 20) / 2, '0') + letter(std::fmod(lat, 10), '0') +
           letter(std::fmod(lon, 2) * 12, 'a') + letter(std::fmod(lat, 1) * 24, 'a');
}

QJsonObject reachJson(const CliRun& run)
{
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.count('\n'), 1);
    return QJsonDocument::fromJson(run.out).object();
}

const QStringList kBands = {"28", "50", "144"};

// Every page of the tests and the examples, from a home in Fukuoka: each
// band's reach and each path from home as the independent working has them.
TEST(CliReach, AgreesWithTheModelOnEveryPage)
{
    QStringList pages;
    for (const char* folder : {ONDREL_TEST_DATA, ONDREL_SOURCE_DIR "/examples"}) {
        for (const QFileInfo& page : QDir(QLatin1String(folder)).entryInfoList({"*.html"}))
            pages << page.filePath();
    }
    ASSERT_GE(pages.size(), 2);
    const Vector home = locatorCentre(QStringLiteral("PM53fo"));
    for (const QString& page : pages) {
        SCOPED_TRACE(page.toStdString());
        const QJsonObject json = reachJson(runCli({"reach", "--json", page, "--home", "pm53fo"}));
        EXPECT_EQ(json["home"].toString(), QStringLiteral("PM53fo"));
        const QJsonArray stations = json["stations"].toArray();
        ASSERT_EQ(stations.size(), 4);
        for (const QJsonValue& value : stations) {
            const QJsonObject station = value.toObject();
            SCOPED_TRACE(station["code"].toString().toStdString());
            const QJsonObject fromHome = station["from_home"].toObject();
            const Vector at = unit(station["lat"].toDouble(), station["lon"].toDouble());
            const double d = std::acos(dot(home, at)) * kR;
            EXPECT_NEAR(fromHome["km"].toInt(), d, 2);
            EXPECT_NEAR(fromHome["path_km"].toInt(), 2 * d, 2);
            // The station halfway: the far end is home mirrored through it.
            const double c = 2 * dot(home, at);
            EXPECT_EQ(fromHome["far_end"].toString(),
                      locatorOf({c * at.x - home.x, c * at.y - home.y, c * at.z - home.z}));
            QJsonArray open;
            for (const QString& band : kBands) {
                const QJsonObject reach = station["bands"].toObject()[band].toObject();
                const std::optional<double> skip =
                    skipKm(band.toDouble() / station["es"].toDouble());
                ASSERT_EQ(reach["open"].toBool(), skip.has_value()) << band.toStdString();
                if (!skip)
                    continue;
                EXPECT_NEAR(reach["min_km"].toInt(), *skip, 2) << band.toStdString();
                EXPECT_NEAR(reach["max_km"].toInt(), longestHopKm(), 2) << band.toStdString();
                const int pathKm = fromHome["path_km"].toInt();
                if (reach["min_km"].toInt() <= pathKm && pathKm <= reach["max_km"].toInt())
                    open.append(band);
            }
            EXPECT_EQ(fromHome["open"].toArray(), open);
        }
    }
}

// A page whose Es are the worked numbers' f_c: 10, 20 and 30 MHz, and "?".
QByteArray workedPage()
{
    const char* es[] = {"10", "20", "30.0", "?"};
    QString sections;
    for (int k = 0; k < 4; ++k) {
        testpage::Readings readings = testpage::quiet(k);
        readings[2]->value = QLatin1String(es[k]);
        sections += testpage::station(k, readings);
    }
    return testpage::page(QStringLiteral("2026/12/07 10:15 JST"), sections).toUtf8();
}

TEST(CliReach, WorkedNumbers)
{
    const CliRun run = runCli({"reach", "-", "--json", "--home", ""}, workedPage());
    EXPECT_TRUE(run.out.startsWith("{\"page_time\":\"2026/12/07 10:15 JST\",\"home\":null,"));
    const QJsonObject json = reachJson(run);
    EXPECT_EQ(json.keys(), (QStringList{"home", "open_area", "page_time", "stations"}));
    EXPECT_TRUE(json["open_area"].isNull());
    EXPECT_EQ(json["page_time"].toString(), QStringLiteral("2026/12/07 10:15 JST"));
    EXPECT_TRUE(json["home"].isNull());
    // The skip per station and band, -1 for closed.
    const int skips[4][3] = {{584, 1418, -1}, {207, 504, -1}, {0, 284, 1298}, {-1, -1, -1}};
    const char* codes[] = {"wk546", "to536", "yg431", "ok426"};
    const char* names[] = {"Wakkanai", "Kokubunji", "Yamagawa", "Ogimi"};
    const QJsonArray stations = json["stations"].toArray();
    ASSERT_EQ(stations.size(), 4);
    for (int k = 0; k < 4; ++k) {
        const QJsonObject station = stations[k].toObject();
        EXPECT_EQ(station["code"].toString(), QLatin1String(codes[k]));
        EXPECT_EQ(station["name"].toString(), QLatin1String(names[k]));
        EXPECT_FALSE(station.contains(QStringLiteral("from_home")));
        for (int b = 0; b < 3; ++b) {
            const QJsonObject band = station["bands"].toObject()[kBands[b]].toObject();
            SCOPED_TRACE(std::string(codes[k]) + " " + kBands[b].toStdString());
            if (skips[k][b] < 0) {
                EXPECT_EQ(band, (QJsonObject{{"open", false},
                                             {"min_km", QJsonValue::Null},
                                             {"max_km", QJsonValue::Null}}));
            } else {
                EXPECT_EQ(band,
                          (QJsonObject{{"open", true}, {"min_km", skips[k][b]}, {"max_km", 2298}}));
            }
        }
    }
    EXPECT_EQ(stations[2].toObject()["es"].toDouble(), 30.0);
    EXPECT_TRUE(stations[3].toObject()["es"].isNull());
}

TEST(CliReach, TextIsTheMapsLinesInEnglish)
{
    const CliRun run = runCli({"reach", "-", "--home", "PM53FO"}, workedPage());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out),
              QStringLiteral("2026/12/07 10:15 JST\n"
                             "28 MHz: W 584–2,298 km, K 207–2,298 km, Y 0–2,298 km\n"
                             "50 MHz: W 1,418–2,298 km, K 504–2,298 km, Y 284–2,298 km\n"
                             "144 MHz: Y 1,298–2,298 km\n"
                             "28 MHz: 500–2,298 km, all directions, via Y, K and W\n"
                             "50 MHz: 500–2,298 km, all directions, via Y, K and W\n"
                             "144 MHz: 1,300–1,650 km, SE to S, via Y\n"));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

// With a home the old keys stay as they were, and the area open from it
// comes beside them: from Tokyo, next to Kokubunji (20 MHz), Yamagawa at 30.
TEST(CliReach, OpenAreaBesideTheOldKeys)
{
    const QJsonObject json =
        reachJson(runCli({"reach", "-", "--json", "--home", "PM95vq"}, workedPage()));
    EXPECT_EQ(json.keys(), (QStringList{"home", "open_area", "page_time", "stations"}));
    const QJsonObject kokubunji = json["stations"].toArray()[1].toObject();
    EXPECT_EQ(kokubunji["from_home"].toObject().keys(),
              (QStringList{"far_end", "km", "open", "path_km"}));
    const QJsonObject area = json["open_area"].toObject();
    EXPECT_EQ(area.keys(), (QStringList{"144", "28", "50"}));
    EXPECT_EQ(area["50"].toObject(),
              (QJsonObject{{"open", true},
                           {"min_km", 550},
                           {"max_km", 2298},
                           {"all_around", true},
                           {"from_bearing", QJsonValue::Null},
                           {"to_bearing", QJsonValue::Null},
                           {"stations", QJsonArray{"to536", "yg431", "wk546"}}}));
    EXPECT_EQ(area["144"].toObject()["from_bearing"], 205);
    EXPECT_EQ(area["144"].toObject()["to_bearing"], 275);
}

// A settings directory holding `lines` in section ESConf.
void writeSettings(const QTemporaryDir& dir, const QByteArray& lines)
{
    QFile file(dir.filePath(QStringLiteral("Ondrel.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[ESConf]\n" + lines);
}

struct HomeCase {
    const char* name;
    QByteArray stored; // ESHome in the settings file
    QStringList args;
    QJsonValue home;
    QByteArray err;
};
ONDREL_NAMED_CASE(HomeCase)

class CliReachHomeTest : public testing::TestWithParam<HomeCase> {};

TEST_P(CliReachHomeTest, HomeFromTheOptionElseTheSettings)
{
    QTemporaryDir dir;
    writeSettings(dir, "ESHome=" + GetParam().stored + '\n');
    const CliRun run = runCli(QStringList{"reach", "--json", "--dir", dir.path(),
                                          ONDREL_TEST_DATA "/alert-realistic.html"} +
                              GetParam().args);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(QJsonDocument::fromJson(run.out).object()["home"], GetParam().home);
    EXPECT_EQ(run.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliReachHomeTest,
    testing::Values(
        HomeCase{"Stored", "qm05", {}, "QM05", ""},
        HomeCase{"OptionFirst", "QM05", {"--home", "pm95VQ"}, "PM95vq", ""},
        HomeCase{"EmptyOptionIsNone", "QM05", {"--home", ""}, QJsonValue::Null, ""},
        HomeCase{"StoredNoLocatorToldOnce",
                 "Tokyo",
                 {},
                 QJsonValue::Null,
                 "ondrel-cli: reach: ESHome \"Tokyo\" is not a Maidenhead locator of 4 or 6 "
                 "characters (such as PM95 or PM95vq); no home is set\n"},
        HomeCase{"StoredNoLocatorUnreadWithTheOption", "Tokyo", {"--home", "QM05"}, "QM05", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReachErrorCase {
    const char* name;
    QStringList args;
    QByteArray input;
    int exitCode;
    QByteArray err; // after "ondrel-cli: "
};
ONDREL_NAMED_CASE(ReachErrorCase)

class CliReachErrorTest : public testing::TestWithParam<ReachErrorCase> {};

TEST_P(CliReachErrorTest, OneLineAndNothingPrinted)
{
    const CliRun run = runCli(GetParam().args, GetParam().input);
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    EXPECT_EQ(run.err, "ondrel-cli: " + GetParam().err + '\n');
    EXPECT_TRUE(run.out.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliReachErrorTest,
    testing::Values(
        ReachErrorCase{"NotALocator",
                       {"reach", "-", "--home", "PM9"},
                       {},
                       2,
                       "reach: --home PM9 is not a Maidenhead locator of 4 or 6 characters (such "
                       "as PM95 or PM95vq)"},
        ReachErrorCase{
            "HomeWithoutValue", {"reach", "-", "--home"}, {}, 2, "reach: --home needs a value"},
        ReachErrorCase{"TwoFiles", {"reach", "a", "b"}, {}, 2, "reach: at most one FILE"},
        ReachErrorCase{"UnknownOption", {"reach", "--jsn"}, {}, 2, "reach: unknown option --jsn"},
        ReachErrorCase{
            "NotTheAlertPage",
            {"reach", "-", "--json"},
            "<html><title>Maintenance</title></html>",
            3,
            "reach: not-alert-page: standard input has no NICT Ionospheric Alert title"}),
    [](const auto& info) { return std::string(info.param.name); });

// Without FILE the page comes from ESHost, as fetch downloads it.
TEST(CliReach, DownloadsFromTheStoredHost)
{
    HttpTestServer server;
    server.route(QStringLiteral("/ISDJ/ionospheric-alert.html"),
                 HttpTestServer::Route{200, testpage::realisticBytes()});
    QTemporaryDir dir;
    writeSettings(dir, "ESHost=" + server.url(QString()).toUtf8() + "\n");
    const QJsonObject json = reachJson(runCli({"reach", "--json", "--dir", dir.path()}));
    EXPECT_EQ(json["page_time"].toString(), QStringLiteral("2026/12/07 10:15 JST"));
    EXPECT_EQ(json["stations"].toArray()[1].toObject()["es"].toDouble(), 8.6);

    server.route(QStringLiteral("/ISDJ/ionospheric-alert.html"), HttpTestServer::Route{404});
    const CliRun missing = runCli({"reach", "--dir", dir.path()});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_EQ(missing.err, "ondrel-cli: reach: not-alert-page: HTTP 404\n");
    EXPECT_TRUE(missing.out.isEmpty());
}

} // namespace
