// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/heard_marks.h"
#include "reach/maidenhead.h"
#include "reach/map_panels.h"
#include "reach/map_projection.h"
#include "reach/map_strokes.h"
#include "reach/map_style.h"
#include "reach/open_area_shading.h"
#include "reach/path_judgement.h"
#include "reach/reach_map.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Kokubunji alone has a reading; the others "?".
EsReading onlyKokubunji(const char* es)
{
    const QString none = QStringLiteral("?");
    const QString undefined = QStringLiteral("UNDEFINE");
    return esReadingFromSignals(QStringLiteral("2026/06/14 10:15 JST"),
                                {none, QString::fromLatin1(es), none, none},
                                {undefined, QStringLiteral("GREEN"), undefined, undefined});
}

const QRect kMarksArea(0, 0, 600, 600);

QImage renderMarked(const ReachReport& report, const std::vector<HeardMark>& heard = {})
{
    QImage image(kMarksArea.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintReachMap(painter, kMarksArea, report, SignalPalette::Standard, heard);
    return image;
}

QPoint pixelOf(GeoPoint point)
{
    return MapProjection(kMarksArea).map(point).toPoint();
}

// Whether `shaded` is `plain` under a translucent layer of `colour`.
bool tintedBy(QRgb shaded, QRgb plain, QColor colour)
{
    const auto towards = [](int over, int under, int to) {
        return (over - under) * (to - under) > 0 || over == to;
    };
    return shaded != plain && towards(qRed(shaded), qRed(plain), colour.red()) &&
           towards(qGreen(shaded), qGreen(plain), colour.green()) &&
           towards(qBlue(shaded), qBlue(plain), colour.blue());
}

// From Tokyo with Kokubunji at 15.3 MHz: 28 MHz alone from 500 km,
// 50 MHz too from 750 km, both up to 1,250 km (the midpoint 600 km from
// the station); each cell in the colour of the highest band open there.
TEST(OpenAreaShading, TheHighestOpenBandsTintInsideNothingOutside)
{
    const GeoPoint tokyo = *locatorCentre(QStringLiteral("PM95vq"));
    const QImage plain = renderMarked(reachOf(onlyKokubunji("15.3")));
    const QImage shaded = renderMarked(reachOf(onlyKokubunji("15.3"), QStringLiteral("PM95vq")));
    const struct {
        double bearing;
        double km;
        int band; // -1: not shaded
    } cells[] = {{290, 620, 0}, {290, 1000, 1}, {200, 1000, 1}, {290, 1700, -1}, {290, 350, -1}};
    for (const auto& cell : cells) {
        const QPoint at = pixelOf(destination(tokyo, cell.bearing, cell.km));
        SCOPED_TRACE(testing::Message() << cell.bearing << "° " << cell.km << " km");
        if (cell.band < 0) {
            EXPECT_EQ(shaded.pixel(at), plain.pixel(at));
        } else {
            EXPECT_TRUE(tintedBy(shaded.pixel(at), plain.pixel(at), bandColour(cell.band)));
            EXPECT_FALSE(tintedBy(shaded.pixel(at), plain.pixel(at), bandColour(1 - cell.band)));
        }
    }
}

// Each cell takes the highest band on which pathOpen judges the path to
// its centre open, homes near a station and far from all.
TEST(OpenAreaShading, EachCellAsPathOpenJudgesItsCentre)
{
    const MapProjection projection(kMarksArea);
    const EsReading reading = esReadingFromSignals(
        {},
        {QStringLiteral("9.5"), QStringLiteral("15.3"), QStringLiteral("30"), QStringLiteral("?")},
        {});
    int shaded = 0;
    for (const char* home : {"PM95vq", "PM53fo", "QN02", "PL36"}) {
        const GeoPoint from = *locatorCentre(QString::fromLatin1(home));
        const auto shapes = openAreaShapes(from, reading, projection);
        for (double bearing = 0; bearing < 360; bearing += 7 * kShadeBearingStep) {
            for (double km = kShortestJudgedKm + kShadeKmStep / 2; km < 2280;
                 km += 3 * kShadeKmStep) {
                const GeoPoint far = destination(from, bearing, km);
                int band = -1;
                for (int b = 0; b < kBandCount; ++b) {
                    if (pathOpen(from, far, kBandsMHz[b], reading))
                        band = b;
                }
                shaded += band >= 0;
                for (int b = 0; b < kBandCount; ++b)
                    EXPECT_EQ(shapes[b].contains(projection.map(far)), b == band)
                        << home << " " << bearing << "° " << km << " km, band " << b;
            }
        }
    }
    EXPECT_GT(shaded, 100);
}

const GeoPoint kFukuoka{33.6, 130.4};
const GeoPoint kSapporo{43.06, 141.35};

TEST(HeardMarks, FilledInTheBandsColourHollowWhenApproximateFadedWhenOld)
{
    const ReachReport report = reachOf(onlyKokubunji("10.4"), QStringLiteral("PM95vq"));
    const QImage plain = renderMarked(report);
    const QImage marked = renderMarked(report, {{kFukuoka, {34.5, 135.0}, 1, false, 0},
                                                {kSapporo, {39.5, 140.0}, 0, true, 0},
                                                {{36.0, 128.0}, {35.5, 133.0}, 1, false, 1}});
    EXPECT_EQ(marked.pixel(pixelOf(kFukuoka)), bandColour(1).rgb());
    const QPoint sapporo = pixelOf(kSapporo);
    EXPECT_NE(marked.pixel(sapporo), bandColour(0).rgb());
    const int r = static_cast<int>(mapUnit(kMarksArea) * 0.34);
    EXPECT_TRUE(tintedBy(marked.pixel(sapporo + QPoint(r, 0)), plain.pixel(sapporo + QPoint(r, 0)),
                         bandColour(0)));
    const QPoint old = pixelOf({36.0, 128.0});
    EXPECT_NE(marked.pixel(old), bandColour(1).rgb());
    EXPECT_TRUE(tintedBy(marked.pixel(old), plain.pixel(old), bandColour(1)));
}

TEST(HeardMarks, NoMarksLeaveTheMapAsItWas)
{
    const ReachReport report = reachOf(onlyKokubunji("15.3"), QStringLiteral("PM95vq"));
    EXPECT_EQ(renderMarked(report, {}), renderMarked(report));
    EXPECT_NE(renderMarked(report, {{kFukuoka, {34.5, 135.0}, 1, false, 0}}), renderMarked(report));
    // The legend tells the marks only when there are some.
    EXPECT_GT(legendPanel(report, 10, true).size().height(),
              legendPanel(report, 10, false).size().height());
}

// A contact is a square: its corner is in the band's colour too, where a
// round mark of that size leaves the map.
TEST(ContactMarks, AFilledSquareInTheBandsColour)
{
    const ReachReport report = reachOf(onlyKokubunji("10.4"), QStringLiteral("PM95vq"));
    for (const int band : {0, 1}) {
        const QImage marked =
            renderMarked(report, {{kFukuoka, {34.5, 135.0}, band, true, 1, true}});
        const QPoint centre = pixelOf(kFukuoka);
        const int corner = static_cast<int>(mapUnit(kMarksArea) * 0.34 * 0.75);
        SCOPED_TRACE(band);
        EXPECT_EQ(marked.pixel(centre), bandColour(band).rgb());
        EXPECT_EQ(marked.pixel(centre + QPoint(corner, corner)), bandColour(band).rgb());
        EXPECT_EQ(marked.pixel(centre - QPoint(corner, corner)), bandColour(band).rgb());
    }
    EXPECT_GT(legendPanel(report, 10, false, true).size().height(),
              legendPanel(report, 10, false).size().height());
}

TEST(HeardMarks, AClickFindsTheNearestWithinAFewPixels)
{
    const std::vector<HeardMark> marks = {
        {kFukuoka, {}, 1, false, 0.5}, {kSapporo, {}, 0, true, 0}, {kFukuoka, {}, 0, false, 0}};
    const QPointF sapporo = MapProjection(kMarksArea).map(kSapporo);
    EXPECT_EQ(heardMarkAt(kMarksArea, marks, sapporo + QPointF(3, -2)), 1u);
    EXPECT_EQ(heardMarkAt(kMarksArea, marks, sapporo + QPointF(25, 0)), std::nullopt);
    // Of two on one spot, the newer (the later one).
    EXPECT_EQ(heardMarkAt(kMarksArea, marks, MapProjection(kMarksArea).map(kFukuoka)), 2u);
    EXPECT_EQ(heardMarkAt(kMarksArea, {}, sapporo), std::nullopt);
}

} // namespace
