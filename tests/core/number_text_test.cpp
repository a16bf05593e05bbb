// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system/procedure_failure.h"
#include "core/text/number_text.h"

#include "support/named_case.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace {

struct ToLongCase {
    const char* name;
    const char* text;
    qint32 expected;
};
ONDREL_NAMED_CASE(ToLongCase)

class TextToLongTest : public testing::TestWithParam<ToLongCase> {};

TEST_P(TextToLongTest, RoundsHalvesToEven)
{
    EXPECT_EQ(textToLong(QString::fromLatin1(GetParam().text)), GetParam().expected);
}

constexpr qint32 kMax = std::numeric_limits<qint32>::max();
constexpr qint32 kMin = std::numeric_limits<qint32>::min();

INSTANTIATE_TEST_SUITE_P(
    Numbers, TextToLongTest,
    testing::Values(
        ToLongCase{"Whole", "1234", 1234}, ToLongCase{"Negative", "-15", -15},
        ToLongCase{"PlusSign", "+15", 15}, ToLongCase{"Blanks", " \t42 \t", 42},
        ToLongCase{"FractionDown", "-15.4", -15}, ToLongCase{"FractionUp", "15.6", 16},
        ToLongCase{"TwoAndAHalf", "2.5", 2}, ToLongCase{"ThreeAndAHalf", "3.5", 4},
        ToLongCase{"MinusTwoAndAHalf", "-2.5", -2}, ToLongCase{"MinusThreeAndAHalf", "-3.5", -4},
        ToLongCase{"JustOverHalf", "2.5000000001", 3}, ToLongCase{"HalfAlone", "0.5", 0},
        ToLongCase{"OneAndAHalf", "1.5", 2}, ToLongCase{"PointFirst", ".7", 1},
        ToLongCase{"PointLast", "7.", 7}, ToLongCase{"Exponent", "1e3", 1000},
        ToLongCase{"UpperExponent", "25E-1", 2}, ToLongCase{"SignedExponent", "-3.5e+0", -4},
        ToLongCase{"TinyExponent", "5e-999999999999999", 0},
        ToLongCase{"LeadingZeros", "000000000000012", 12}, ToLongCase{"MinusZero", "-0", 0},
        ToLongCase{"Max", "2147483647", kMax}, ToLongCase{"MaxFromBelowHalf", "2147483647.4", kMax},
        ToLongCase{"MaxFromHalfBelow", "2147483646.5", 2147483646},
        ToLongCase{"Min", "-2147483648", kMin},
        ToLongCase{"MinFromHalfToEven", "-2147483648.5", kMin}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadNumberCase {
    const char* name;
    const char* text;
};
ONDREL_NAMED_CASE(BadNumberCase)

class TextToLongFailureTest : public testing::TestWithParam<BadNumberCase> {};

TEST_P(TextToLongFailureTest, Fails)
{
    EXPECT_THROW(textToLong(QString::fromLatin1(GetParam().text)), ProcedureFailure);
}

INSTANTIATE_TEST_SUITE_P(
    Garbage, TextToLongFailureTest,
    testing::Values(BadNumberCase{"Empty", ""}, BadNumberCase{"Blanks", "  "},
                    BadNumberCase{"Letters", "abc"}, BadNumberCase{"TrailingLetters", "12abc"},
                    BadNumberCase{"Hex", "0x10"}, BadNumberCase{"Infinity", "inf"},
                    BadNumberCase{"NotANumber", "nan"}, BadNumberCase{"SignAlone", "-"},
                    BadNumberCase{"PointAlone", "."}, BadNumberCase{"ExponentAlone", "1e"},
                    BadNumberCase{"BlankInside", "1 2"}, BadNumberCase{"TwoSigns", "+-1"},
                    BadNumberCase{"HalfOverMax", "2147483647.5"},
                    BadNumberCase{"OverMax", "2147483648"},
                    BadNumberCase{"UnderMinAfterRounding", "-2147483649.5"},
                    BadNumberCase{"HugeExponent", "1e999999999999999"},
                    BadNumberCase{"ElevenDigits", "10000000000"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SingleCase {
    const char* name;
    float value;
    const char* expected;
};
ONDREL_NAMED_CASE(SingleCase)

class SingleToTextTest : public testing::TestWithParam<SingleCase> {};

TEST_P(SingleToTextTest, ShortestWithoutExponent)
{
    EXPECT_EQ(singleToText(GetParam().value), QLatin1String(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Values, SingleToTextTest,
                         testing::Values(SingleCase{"Whole", 1234.0f, "1234"},
                                         SingleCase{"Negative", -15.0f, "-15"},
                                         SingleCase{"Half", 1234.5f, "1234.5"},
                                         SingleCase{"Zero", 0.0f, "0"},
                                         SingleCase{"NegativeZero", -0.0f, "0"},
                                         SingleCase{"ShortestOfSingle", 0.1f, "0.1"},
                                         SingleCase{"EightDigits", 12345678.0f, "12345678"},
                                         SingleCase{"Large", 1e10f, "10000000000"},
                                         SingleCase{"Small", 0.00001f, "0.00001"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumberText, WrittenGeometryReadsBack)
{
    for (const float value : {-32768.0f, -1.0f, 0.0f, 7620.0f, 16777216.0f})
        EXPECT_EQ(textToLong(singleToText(value)), static_cast<qint32>(value));
}

struct NumberCase {
    const char* name;
    const char* text;
    std::optional<double> value;
};
ONDREL_NAMED_CASE(NumberCase)

class ReadingNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ReadingNumberTest, IsANumberOnlyWhereTheTextIsOne)
{
    EXPECT_EQ(readingNumber(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadingNumberTest,
                         testing::Values(NumberCase{"Decimal", "5.3", 5.3},
                                         NumberCase{"Spaced", " 12.0 ", 12.0},
                                         NumberCase{"Whole", "8", 8.0},
                                         NumberCase{"Missing", "?", std::nullopt},
                                         NumberCase{"Dashes", "---", std::nullopt},
                                         NumberCase{"Empty", "", std::nullopt},
                                         NumberCase{"Exponent", "1e3", std::nullopt},
                                         NumberCase{"Negative", "-1.0", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
