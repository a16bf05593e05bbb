// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the readout's four colours stay apart, and readable on the cells'
// black, for eyes without one kind of cone: simulated after Machado,
// Oliveira and Fernandes (2009) at full severity in linear sRGB, measured
// as CIEDE2000 in CIELAB (D65).
#include "core/page/signal_indicator.h"

#include "support/named_case.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

struct Vision {
    const char* name;
    Matrix matrix;
};
ONDREL_NAMED_CASE(Vision)

const Vision kNormal{"Normal", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}};
const Vision kProtanopia{"Protanopia",
                         {{{0.152286, 1.052583, -0.204868},
                           {0.114503, 0.786281, 0.099216},
                           {-0.003882, -0.048116, 1.051998}}}};
const Vision kDeuteranopia{"Deuteranopia",
                           {{{0.367322, 0.860646, -0.227968},
                             {0.280085, 0.672501, 0.047413},
                             {-0.011820, 0.042940, 0.968881}}}};
const Vision kTritanopia{"Tritanopia",
                         {{{1.255528, -0.076749, -0.178779},
                           {-0.078411, 0.930809, 0.147602},
                           {0.004733, 0.691367, 0.303900}}}};

struct Lab {
    double L, a, b;
};

constexpr double kPi = 3.14159265358979323846;

double linear(unsigned channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// A 0x00BBGGRR colour as the given eyes see it.
Lab seen(ColourValue colour, const Vision& vision)
{
    const double rgb[3] = {linear(colour & 0xFF), linear((colour >> 8) & 0xFF),
                           linear((colour >> 16) & 0xFF)};
    double simulated[3];
    for (int i = 0; i < 3; ++i) {
        const Matrix& m = vision.matrix;
        const double v = m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2];
        simulated[i] = std::clamp(v, 0.0, 1.0);
    }
    const auto [r, g, b] = simulated;
    const double xyz[3] = {(0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047,
                           0.2126729 * r + 0.7151522 * g + 0.0721750 * b,
                           (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883};
    double f[3];
    for (int i = 0; i < 3; ++i)
        f[i] = xyz[i] > 216.0 / 24389 ? std::cbrt(xyz[i]) : (24389.0 / 27 * xyz[i] + 16) / 116;
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

double degrees(double radians)
{
    return radians * 180 / kPi;
}

double radians(double degrees)
{
    return degrees * kPi / 180;
}

// CIEDE2000, after Sharma, Wu and Dalal (2005).
double deltaE2000(const Lab& one, const Lab& two)
{
    const double chroma = (std::hypot(one.a, one.b) + std::hypot(two.a, two.b)) / 2;
    const double c7 = std::pow(chroma, 7);
    const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * one.a;
    const double a2 = (1 + g) * two.a;
    const double c1 = std::hypot(a1, one.b);
    const double c2 = std::hypot(a2, two.b);
    const auto hue = [](double b, double a) {
        return (a == 0 && b == 0) ? 0.0 : std::fmod(degrees(std::atan2(b, a)) + 360, 360);
    };
    const double h1 = hue(one.b, a1);
    const double h2 = hue(two.b, a2);
    double dh = 0;
    if (c1 * c2 != 0) {
        dh = h2 - h1;
        if (dh > 180)
            dh -= 360;
        else if (dh < -180)
            dh += 360;
    }
    const double dL = two.L - one.L;
    const double dC = c2 - c1;
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(radians(dh / 2));
    const double meanL = (one.L + two.L) / 2;
    const double meanC = (c1 + c2) / 2;
    double meanH = h1 + h2;
    if (c1 * c2 != 0) {
        if (std::abs(h1 - h2) <= 180)
            meanH /= 2;
        else
            meanH = (meanH < 360 ? meanH + 360 : meanH - 360) / 2;
    }
    const double t = 1 - 0.17 * std::cos(radians(meanH - 30)) +
                     0.24 * std::cos(radians(2 * meanH)) + 0.32 * std::cos(radians(3 * meanH + 6)) -
                     0.20 * std::cos(radians(4 * meanH - 63));
    const double meanC7 = std::pow(meanC, 7);
    const double rc = 2 * std::sqrt(meanC7 / (meanC7 + std::pow(25.0, 7)));
    const double rt = -std::sin(radians(60 * std::exp(-std::pow((meanH - 275) / 25, 2)))) * rc;
    const double sl = 1 + 0.015 * std::pow(meanL - 50, 2) / std::sqrt(20 + std::pow(meanL - 50, 2));
    const double sc = 1 + 0.045 * meanC;
    const double sh = 1 + 0.015 * meanC * t;
    return std::sqrt(std::pow(dL / sl, 2) + std::pow(dC / sc, 2) + std::pow(dH / sh, 2) +
                     rt * (dC / sc) * (dH / sh));
}

struct SharmaCase {
    const char* name;
    Lab one, two;
    double expected;
};
ONDREL_NAMED_CASE(SharmaCase)

class DeltaE2000Test : public testing::TestWithParam<SharmaCase> {};

TEST_P(DeltaE2000Test, MatchesPublishedPairs)
{
    EXPECT_NEAR(deltaE2000(GetParam().one, GetParam().two), GetParam().expected, 1e-4);
}

// Pairs 1, 7, 17 and 25 of Sharma, Wu and Dalal's test data.
INSTANTIATE_TEST_SUITE_P(
    Sharma, DeltaE2000Test,
    testing::Values(
        SharmaCase{"Blue", {50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
        SharmaCase{"Grey", {50, 0, 0}, {50, -1, 2}, 2.3669},
        SharmaCase{"Large", {50, 2.5, 0}, {73, 25, -18}, 27.1492},
        SharmaCase{"Dark", {60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644}),
    [](const auto& info) { return std::string(info.param.name); });

const char* const kLevelNames[] = {"quiet", "caution", "alert", "undefined"};
constexpr ColourValue kStateColours[] = {QuietColor, CautionColor, AlertColor, UndefinedColor};
constexpr ColourValue kBlack = 0x000000;

// Between two levels, and between a level and the cells' black.
constexpr double kLevelsApart = 20;
constexpr double kReadableOnBlack = 40;

std::string figure(double value)
{
    char text[16];
    std::snprintf(text, sizeof text, " %.1f |", value);
    return text;
}

double distance(SignalPalette palette, int one, int two, const Vision& vision)
{
    const auto shown = [palette](int level) {
        return level < 0 ? kBlack : cellLook(kStateColours[level], palette).colour;
    };
    return deltaE2000(seen(shown(one), vision), seen(shown(two), vision));
}

class CvdPaletteTest : public testing::TestWithParam<Vision> {};

TEST_P(CvdPaletteTest, LevelsStayApartAndReadableOnBlack)
{
    const Vision& vision = GetParam();
    std::string table = std::string("| ") + vision.name + " |";
    for (int one = 0; one < 4; ++one) {
        for (int two = one + 1; two < 4; ++two) {
            const double apart = distance(SignalPalette::Cvd, one, two, vision);
            EXPECT_GE(apart, kLevelsApart) << kLevelNames[one] << " / " << kLevelNames[two];
            table += figure(apart);
        }
    }
    for (int level = 0; level < 4; ++level) {
        const double onBlack = distance(SignalPalette::Cvd, level, -1, vision);
        EXPECT_GE(onBlack, kReadableOnBlack) << kLevelNames[level] << " on black";
        table += figure(onBlack);
    }
    // The figures for people choosing colours: one row of the table of
    // pairs q/c q/a q/u c/a c/u a/u, then each on black.
    std::printf("%s\n", table.c_str());
}

INSTANTIATE_TEST_SUITE_P(Visions, CvdPaletteTest,
                         testing::Values(kNormal, kProtanopia, kDeuteranopia, kTritanopia),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StandardPalette, GreenAndRedMeetForDeuteranopes)
{
    // Why the colour-blind-safe palette exists.
    EXPECT_LT(distance(SignalPalette::Standard, 0, 2, kDeuteranopia), kLevelsApart);
    EXPECT_LT(distance(SignalPalette::Standard, 0, 1, kDeuteranopia), kLevelsApart);
    EXPECT_GE(distance(SignalPalette::Standard, 0, 2, kNormal), kLevelsApart);
}

} // namespace
