// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/signal_indicator.h"
#include "reach/band_lines.h"
#include "reach/band_openings.h"
#include "reach/ionosondes.h"
#include "reach/map_panels.h"
#include "reach/map_projection.h"
#include "reach/map_strokes.h"
#include "reach/reach_map.h"
#include "reach/sphere.h"
#include "support/named_case.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Kokubunji alone has a reading; the others "?".
EsReading kokubunji(const char* es, const char* signal = "BLINK-RED-P")
{
    const QString none = QStringLiteral("?");
    const QString undefined = QStringLiteral("UNDEFINE");
    return esReadingFromSignals(QStringLiteral("2026/06/14 10:15 JST"),
                                {none, QString::fromUtf8(es), none, none},
                                {undefined, QString::fromLatin1(signal), undefined, undefined});
}

TEST(Reach, NoNumberNoReach)
{
    for (const char* text : {"?", "---", "", "abc", "1e3", "-9.0", "10.4MHz"}) {
        const StationReach station = reachOf(kokubunji(text)).stations[1];
        EXPECT_FALSE(station.es.has_value()) << text;
        for (const BandReach& band : station.bands)
            EXPECT_FALSE(band.open) << text;
    }
    EXPECT_EQ(reachOf(kokubunji("１０.４")).stations[1].es, 10.4);
}

// A path from home over Kokubunji (Es 10.4: 28 MHz from 555 km, 50 MHz
// from 1,303 km) is carried when it is between the skip and the longest hop.
struct HomeCase {
    const char* name;
    const char* home;
    int pathKm;
    std::array<bool, 3> open;
};
ONDREL_NAMED_CASE(HomeCase)

class FromHomeTest : public testing::TestWithParam<HomeCase> {};

TEST_P(FromHomeTest, OpenBetweenTheSkipAndTheLongestHop)
{
    const ReachReport report = reachOf(kokubunji("10.4"), QString::fromLatin1(GetParam().home));
    ASSERT_TRUE(report.stations[1].fromHome.has_value());
    const HomePath& path = *report.stations[1].fromHome;
    EXPECT_EQ(path.pathKm, GetParam().pathKm);
    EXPECT_NEAR(path.stationKm * 2, path.pathKm, 1);
    EXPECT_EQ(path.open, GetParam().open);
    EXPECT_FALSE(report.stations[0].fromHome->anyOpen()); // "?" carries nothing
}

INSTANTIATE_TEST_SUITE_P(
    Homes, FromHomeTest,
    testing::Values(HomeCase{"FukuokaBothBands", "PM53fo", 1717, {true, true, false}},
                    HomeCase{"SapporoBothBands", "qn02", 1532, {true, true, false}},
                    HomeCase{"OsakaInsideTheSkipOf50", "PM74", 860, {true, false, false}},
                    HomeCase{"TokyoInsideEverySkip", "PM95vq", 55, {false, false, false}},
                    HomeCase{"OkinawaBeyondTheLongestHop", "PL36", 3134, {false, false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

// A band opens once: open now and not at the refresh before; with a home
// it is the area open from home that counts (from Tokyo, next to
// Kokubunji, 10.4 MHz carries no 50 MHz path).
TEST(BandOpenings, OpenNowAndNotBefore)
{
    const struct {
        const char* es;
        const char* home;
        std::vector<int> opened;
    } steps[] = {
        {"10.4", "", {28, 50}}, {"10.4", "", {}},
        {"6.0", "", {}},        {"10.4", "", {50}},
        {"10.4", "PM95vq", {}}, {"10.4", "PM53fo", {50}},
        {"4.0", "PM95vq", {}},  {"15.3", "PM95vq", {28, 50}},
    };
    BandOpenings openings;
    for (const auto& step : steps) {
        const ReachReport report = reachOf(kokubunji(step.es), QString::fromLatin1(step.home));
        EXPECT_EQ(openings.opened(report, {28, 50}), step.opened) << step.es << " " << step.home;
    }
}

TEST(Reach, NoHomeForAnythingButALocator)
{
    for (const char* home : {"", "JA1XYZ", "PM95v"}) {
        const ReachReport report = reachOf(kokubunji("10.4"), QString::fromLatin1(home));
        EXPECT_FALSE(report.home.has_value()) << home;
        EXPECT_FALSE(report.stations[1].fromHome.has_value()) << home;
        EXPECT_TRUE(homePathLines(report).isEmpty()) << home;
    }
}

TEST(BandLines, StationsInOrderWithTheirRangesOrClosed)
{
    const EsReading reading = esReadingFromSignals(QString(),
                                                   {QStringLiteral("4.1"), QStringLiteral("10.4"),
                                                    QStringLiteral("6.2"), QStringLiteral("---")},
                                                   {});
    EXPECT_EQ(bandLines(reachOf(reading)),
              QStringList({QStringLiteral("28 MHz: 国 555–2,298 km, 鹿 1,158–2,298 km"),
                           QStringLiteral("50 MHz: 国 1,303–2,298 km"),
                           QStringLiteral("144 MHz: 不通")}));
}

// Tokyo lies next to Kokubunji: no path from it has its midpoint over the
// station, yet the paths around it reflect within reach of it.
TEST(BandLines, OpenAreasFromHomeOrTheirAbsence)
{
    EXPECT_EQ(homePathLines(reachOf(kokubunji("15.3"), QStringLiteral("PM95vq"))),
              QStringList({QStringLiteral("28 MHz: 500–1,250 km、全方位、国 経由"),
                           QStringLiteral("50 MHz: 750–1,250 km、全方位、国 経由")}));
    EXPECT_EQ(homePathLines(reachOf(kokubunji("10.4"), QStringLiteral("PM53fo"))),
              QStringList({QStringLiteral("28 MHz: 700–2,298 km、北東〜南東、国 経由"),
                           QStringLiteral("50 MHz: 1,350–2,298 km、北東〜南東、国 経由")}));
    EXPECT_EQ(homePathLines(reachOf(kokubunji("4.0"), QStringLiteral("pm95vq"))),
              QStringList(QStringLiteral("PM95vq から届くパスはありません")));
}

// The station's disc is drawn in its Es level's colour of the palette, as
// the readout draws the cell.
TEST(ReachMap, StationDiscInTheLevelColourOfThePalette)
{
    struct Row {
        const char* signal;
        SignalPalette palette;
        QRgb colour;
    };
    for (const Row& row : {Row{"BLINK-RED-P", SignalPalette::Standard, qRgb(0xff, 0, 0)},
                           Row{"BLINK-RED-P", SignalPalette::Cvd, qRgb(0xd5, 0x5e, 0x00)},
                           Row{"GREEN", SignalPalette::Cvd, qRgb(0x56, 0xb4, 0xe9)}}) {
        QImage image(500, 500, QImage::Format_RGB32);
        QPainter painter(&image);
        paintReachMap(painter, image.rect(), reachOf(kokubunji("10.4", row.signal)), row.palette);
        painter.end();
        const QPoint at = MapProjection(image.rect()).map(kIonosondes[1]).toPoint();
        EXPECT_EQ(image.pixel(at), row.colour) << row.signal;
    }
}

// Each open band's skip circle lies at half the skip from the station, the
// hop's midpoint: drawn there in the band's colour, and not at twice that.
TEST(ReachMap, SkipCircleAtHalfTheSkip)
{
    QImage image(1000, 1000, QImage::Format_RGB32);
    QPainter painter(&image);
    const ReachReport report = reachOf(kokubunji("10.4"));
    paintReachMap(painter, image.rect(), report, SignalPalette::Standard);
    painter.end();
    const MapProjection projection(image.rect());
    // Southward, over the sea, clear of labels and panels.
    const auto pixelAt = [&](double km) {
        return QColor(image.pixel(projection.map(destination(kIonosondes[1], 180, km)).toPoint()));
    };
    const auto near = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <
               48;
    };
    for (int b = 0; b < 2; ++b) {
        const BandReach& band = report.stations[1].bands[b];
        ASSERT_TRUE(band.open && band.minKm > 0) << b;
        EXPECT_TRUE(near(pixelAt(band.minKm / 2.0), bandColour(b)))
            << b << ": " << pixelAt(band.minKm / 2.0).name().toStdString();
        EXPECT_FALSE(near(pixelAt(band.minKm), bandColour(b)))
            << b << ": " << pixelAt(band.minKm).name().toStdString();
    }
}

// The legend's samples are the map's own strokes: the colour of a 28 MHz
// skip ring on the map is found in the legend's skip sample. In the
// colour-blind palette a quiet disc is no band's.
TEST(ReachMap, LegendSamplesAreDrawnAsTheMapDrawsThem)
{
    const ReachReport report = reachOf(kokubunji("10.4"));
    QImage map(1144, 1144, QImage::Format_RGB32); // the largest text unit, 22 pixels
    QPainter painter(&map);
    paintReachMap(painter, map.rect(), report, SignalPalette::Standard);
    painter.end();
    const MapProjection projection(map.rect());
    const QRgb ring = map.pixel(
        projection.map(destination(kIonosondes[1], 180, report.stations[1].bands[0].minKm / 2.0))
            .toPoint());
    EXPECT_EQ(ring, bandColour(0).rgb());

    const MapPanel legend = legendPanel(report, 22, false);
    QImage panel(legend.size().toSize(), QImage::Format_RGB32);
    panel.fill(Qt::black);
    QPainter legendPainter(&panel);
    legend.paint(legendPainter, QPointF(0, 0));
    legendPainter.end();
    // What is drawn where the samples go, top to bottom: three bands, the
    // line on the rings (its text, with no sample), the skip lines, the
    // longest hop. Left of them is the box alone.
    const int left = 10, right = 48;
    std::vector<std::pair<int, int>> rows;
    for (int y = 0; y < panel.height(); ++y) {
        bool drawn = false;
        for (int x = left; x < right; ++x)
            drawn = drawn || panel.pixel(x, y) != panel.pixel(left - 2, y);
        if (drawn && (rows.empty() || rows.back().second < y - 3))
            rows.push_back({y, y});
        else if (drawn)
            rows.back().second = y;
    }
    ASSERT_EQ(rows.size(), 6u);
    const auto inRow = [&](size_t row, QRgb colour) {
        for (int y = rows[row].first; y <= rows[row].second; ++y) {
            for (int x = left; x < right; ++x) {
                if (panel.pixel(x, y) == colour)
                    return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(inRow(4, ring));

    const QColor quiet(colourName(cellLook(QuietColor, SignalPalette::Cvd).colour));
    for (int b = 0; b < kBandCount; ++b) {
        const QColor band = bandColour(b);
        EXPECT_GT(std::abs(band.red() - quiet.red()) + std::abs(band.green() - quiet.green()) +
                      std::abs(band.blue() - quiet.blue()),
                  96)
            << b;
    }
}

} // namespace
