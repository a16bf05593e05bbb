// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/text_helpers.h"

#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

struct FindCase {
    const char* name;
    const char16_t* text;
    const char16_t* what;
    qsizetype from;
    qsizetype expected;
};
ONDREL_NAMED_CASE(FindCase)

class FindTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindTest, ReturnsOneBasedPositionOrZero)
{
    const FindCase& c = GetParam();
    EXPECT_EQ(Find(QString::fromUtf16(c.text), QString::fromUtf16(c.what), c.from), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FindTest,
                         testing::Values(FindCase{"AtStart", u"abcabc", u"a", 1, 1},
                                         FindCase{"SecondFromTwo", u"abcabc", u"a", 2, 4},
                                         FindCase{"AtFromItself", u"abcabc", u"c", 3, 3},
                                         FindCase{"NotFound", u"abcabc", u"x", 1, 0},
                                         FindCase{"FromPastEnd", u"abc", u"a", 4, 0},
                                         FindCase{"CaseSensitive", u"ABC", u"a", 1, 0},
                                         FindCase{"Japanese", u"稚内(北海道)", u"(", 1, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextHelpers, FindFromZeroFails)
{
    EXPECT_THROW(Find(QStringLiteral("abc"), QStringLiteral("a"), 0), ProcedureFailure);
}

TEST(TextHelpers, MidCutsAndStopsAtTheEnd)
{
    const QString text = QStringLiteral("abcdef");
    EXPECT_EQ(Mid(text, 2, 3), QStringLiteral("bcd"));
    EXPECT_EQ(Mid(text, 5, 10), QStringLiteral("ef"));
    EXPECT_EQ(Mid(text, 7, 2), QString());
    EXPECT_EQ(Mid(text, 3, 0), QString());
}

TEST(TextHelpers, MidFailsOnStartBelowOneOrNegativeLength)
{
    const QString text = QStringLiteral("abcdef");
    EXPECT_THROW(Mid(text, 0, 1), ProcedureFailure);
    EXPECT_THROW(Mid(text, 2, -1), ProcedureFailure);
    EXPECT_THROW(Mid(text, 99, -1), ProcedureFailure);
}

TEST(TextHelpers, LeftAndRightFailOnNegativeLength)
{
    EXPECT_EQ(Right(QStringLiteral("abcdef"), 2), QStringLiteral("ef"));
    EXPECT_EQ(Left(QStringLiteral("abcdef"), 2), QStringLiteral("ab"));
    EXPECT_THROW(Right(QStringLiteral("abc"), -1), ProcedureFailure);
    EXPECT_THROW(Left(QStringLiteral("abc"), -1), ProcedureFailure);
}

TEST(TextHelpers, TrimBlanksRemovesOnlyAsciiSpaces)
{
    EXPECT_EQ(TrimBlanks(QStringLiteral("  5.3  ")), QStringLiteral("5.3"));
    EXPECT_EQ(TrimBlanks(QStringLiteral("\t5.3　")), QStringLiteral("\t5.3　"));
    EXPECT_EQ(TrimBlanks(QStringLiteral("   ")), QString());
}

} // namespace
