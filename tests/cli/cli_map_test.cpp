// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/map_style.h"
#include "support/cli_runner.h"
#include "support/file_contents.h"
#include "support/named_case.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

const QString kMapPage = QStringLiteral(ONDREL_TEST_DATA "/alert-realistic.html");

// Kokubunji's Es disc on the realistic page, a caution, in each palette.
const QRgb kCautionStandard = qRgb(0xff, 0xff, 0x00);
const QRgb kCautionCvd = qRgb(0xf0, 0xe4, 0x42);

qsizetype pixelsWhere(const QImage& image, const std::function<bool(QRgb)>& wanted)
{
    qsizetype count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += wanted(image.pixel(x, y));
    }
    return count;
}

qsizetype pixelsOf(const QImage& image, QRgb colour)
{
    return pixelsWhere(image,
                       [colour](QRgb pixel) { return (pixel & RGB_MASK) == (colour & RGB_MASK); });
}

// ondrel-cli draws with no display, whatever the environment asks for.
class CliMapTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_display = qgetenv("DISPLAY");
        m_platform = qgetenv("QT_QPA_PLATFORM");
        qunsetenv("DISPLAY");
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    void TearDown() override
    {
        qputenv("DISPLAY", m_display);
        qputenv("QT_QPA_PLATFORM", m_platform);
    }

    // A settings directory with `lines` in section ESConf.
    QString settings(const QByteArray& lines)
    {
        writeAll(m_dir.filePath(QStringLiteral("Ondrel.ini")), "[ESConf]\n" + lines);
        return m_dir.path();
    }
    QString out() const { return m_dir.filePath(QStringLiteral("map.png")); }

    QTemporaryDir m_dir;

private:
    QByteArray m_display;
    QByteArray m_platform;
};

struct PaletteCase {
    const char* name;
    QByteArray settings;
    QStringList args;
    QSize size;
    QRgb present;
    QRgb absent;
};
ONDREL_NAMED_CASE(PaletteCase)

class CliMapPaletteTest : public CliMapTest, public testing::WithParamInterface<PaletteCase> {};

TEST_P(CliMapPaletteTest, WritesThePngInTheStoredPalette)
{
    const CliRun run = runCli(
        QStringList{"map", kMapPage, "--output", out(), "--dir", settings(GetParam().settings)} +
        GetParam().args);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QImage image(out(), "PNG");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), GetParam().size);
    // The disc, five pixels across or more.
    EXPECT_GT(pixelsOf(image, GetParam().present), 30);
    EXPECT_EQ(pixelsOf(image, GetParam().absent), 0);
    // The lines the window shows under the map, along its bottom left
    // where the map has no text: their dark ground, and text nearly as
    // light as the map's.
    const QImage bottomLeft = image.copy(0, image.height() - 40, image.width() / 2, 40);
    EXPECT_GT(pixelsOf(bottomLeft, kMapHalo.rgb()), bottomLeft.width() * 20);
    EXPECT_GT(pixelsWhere(bottomLeft,
                          [](QRgb pixel) {
                              return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) >=
                                     kMapText.lightness() - 0x20;
                          }),
              5);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliMapPaletteTest,
    testing::Values(PaletteCase{"Standard", "", {}, {800, 800}, kCautionStandard, kCautionCvd},
                    PaletteCase{
                        "Cvd", "ESPalette=cvd\n", {}, {800, 800}, kCautionCvd, kCautionStandard},
                    PaletteCase{"SizeAndHome",
                                "ESLang=en\nESHome=PM53fo\n",
                                {"--size", "1000x400"},
                                {1000, 400},
                                kCautionStandard,
                                kCautionCvd}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliMapTest, TextsFollowTheStoredLanguage)
{
    ASSERT_EQ(runCli({"map", kMapPage, "--output", out(), "--dir", settings("")}).exitCode, 0);
    const QImage japanese(out());
    ASSERT_EQ(
        runCli({"map", kMapPage, "--output", out(), "--dir", settings("ESLang=en\n")}).exitCode, 0);
    const QImage english(out());
    ASSERT_EQ(english.size(), japanese.size());
    EXPECT_NE(english, japanese);
}

struct MapErrorCase {
    const char* name;
    QStringList args; // OUT stands for the PNG's path
    int exitCode;
    QByteArray err; // after "ondrel-cli: map: "
};
ONDREL_NAMED_CASE(MapErrorCase)

class CliMapErrorTest : public CliMapTest, public testing::WithParamInterface<MapErrorCase> {};

// An error leaves the file that was there as it was.
TEST_P(CliMapErrorTest, OneLineAndTheOldFileKept)
{
    writeAll(out(), "old");
    QStringList args = GetParam().args;
    args.replaceInStrings(QStringLiteral("OUT"), out());
    const CliRun run = runCli(QStringList{"map"} + args);
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    EXPECT_EQ(run.err, "ondrel-cli: map: " + GetParam().err + '\n');
    EXPECT_EQ(readAll(out()), "old");
}

const QByteArray kSizeRange = "--size wants WxH, 400 to 4096 pixels each way, not ";

INSTANTIATE_TEST_SUITE_P(
    Table, CliMapErrorTest,
    testing::Values(
        MapErrorCase{"NoOutput", {kMapPage}, 2, "--output FILE.png is missing"},
        MapErrorCase{"TooSmall",
                     {kMapPage, "--output", "OUT", "--size", "399x400"},
                     2,
                     kSizeRange + "399x400"},
        MapErrorCase{"TooLarge",
                     {kMapPage, "--output", "OUT", "--size", "400x4097"},
                     2,
                     kSizeRange + "400x4097"},
        MapErrorCase{
            "OneSide", {kMapPage, "--output", "OUT", "--size", "800"}, 2, kSizeRange + "800"},
        MapErrorCase{"NotALocator",
                     {kMapPage, "--output", "OUT", "--home", "PM95v"},
                     2,
                     "--home PM95v is not a Maidenhead locator of 4 or 6 characters (such as "
                     "PM95 or PM95vq)"},
        MapErrorCase{"NotTheAlertPage",
                     {ONDREL_SOURCE_DIR "/README.md", "--output", "OUT"},
                     3,
                     "not-alert-page: " ONDREL_SOURCE_DIR
                     "/README.md has no NICT Ionospheric Alert title"},
        MapErrorCase{"Unwritable",
                     {kMapPage, "--output", "/nonexistent/map.png"},
                     2,
                     "cannot write /nonexistent/map.png: No such file or directory"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
