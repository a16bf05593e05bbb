// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/readout_formatting.h"
#include "support/literal_format.h"

#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    const char* name;
    const char16_t* section;
    const char16_t* expected;
};
ONDREL_NAMED_CASE(FormatCase)

class FormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, FormatsSection)
{
    EXPECT_EQ(FormatStationDetail(QString::fromUtf16(GetParam().section)),
              QString::fromUtf16(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, FormatTest,
    testing::Values(
        FormatCase{"HeadingTagUnitAndBreak", u"== 稚内 ==<B>◎約 5 [MHZ]　次xy",
                   u" 稚内 ◎約 5 [MHz]\r\n　次"},
        FormatCase{"NoMarkupOnlyLosesLastTwo", u"== A -- MHZ ==xy", u"== A -- MHZ =="},
        FormatCase{"UnclosedTagEndsLoop", u"<I>a=b<c=d", u"ab<"},
        FormatCase{"AllCopiesOfATagGoAtOnce", u"<B>a<B>b<B>cxy", u"abc"},
        FormatCase{"EvenHyphenRunVanishes", u"<B>a------bxy", u"ab"},
        FormatCase{"FiveHyphensLeaveOne", u"<B>a-----bxy", u"a-b"},
        FormatCase{"SevenHyphensLeaveOne", u"<B>a-------bxy", u"a-b"},
        FormatCase{"OtherCapitalsOfUnitUntouched", u"<B>MHz Mhz mHZ MHZxy", u"MHz Mhz mHZ MHz"},
        FormatCase{"BracketAndAsciiSpaceUntouched", u"<B>[1] 2xy", u"[1] 2"},
        FormatCase{"EmptyInputIsEmpty", u"", u""},
        FormatCase{"TooShortAfterProcessingIsEmpty", u"<B>x", u""},
        FormatCase{"ExactlyTwoLeftIsEmpty", u"<B>xy", u""},
        FormatCase{"SecondTagAtStartSurvives", u"<A><B>textxy", u"<B>text"},
        FormatCase{"TagBeforeLoopPositionStaysWhenNotACopy", u"<A>x<B><C>yzw", u"x<C>y"},
        FormatCase{"EqualsJoiningHyphensRemovedNextRound", u"<A>-=-<B>kxy", u"k"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadoutFormatting, SpentBudgetFinishesInOneSweep)
{
    // Distinct tags, each an iteration of its own in the full loop.
    QString section = QStringLiteral("== 稚内 ==");
    for (int i = 0; i < 50; ++i)
        section += QStringLiteral("<T%1>v%1=").arg(i);
    section += QStringLiteral("MHZ]　<unclosed xy");

    const QString exact = formatStationDetailWithin(section, kFormatScanBudget);
    const QString degraded = formatStationDetailWithin(section, 100);
    EXPECT_EQ(exact, degraded);
    EXPECT_FALSE(degraded.contains(QStringLiteral("<T")));
    EXPECT_TRUE(degraded.endsWith(QStringLiteral("MHz]\r\n　<unclosed ")));
}

TEST(ReadoutFormatting, SpentBudgetLeavesTagsThatTheLoopAlreadyPassed)
{
    // The two leading tags: iteration 1 removes <A>, <B> then sits before
    // the loop position and stays in both modes.
    const QString section = QStringLiteral("<A><B><C>x<D>yzw");
    EXPECT_EQ(formatStationDetailWithin(section, kFormatScanBudget), QStringLiteral("<B>xy"));
    EXPECT_EQ(formatStationDetailWithin(section, 0), QStringLiteral("<B>xy"));
}

TEST(ReadoutFormatting, HostileSectionIsBounded)
{
    QString section;
    for (int i = 0; i < 40000; ++i)
        section += QStringLiteral("<p%1>a-").arg(i);
    const QString result = FormatStationDetail(section);
    EXPECT_FALSE(result.contains(u'<'));
    EXPECT_EQ(result.count(u'a'), 40000 - 1);
}

} // namespace

namespace {

TEST(ReadoutFormatting, MatchesTheLiteralLoopOnRandomMarkup)
{
    // Characters that make tags, patterns and joins between them likely.
    const QString alphabet = QStringLiteral("<<>>--==MHZz]　ab");
    std::uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int round = 0; round < 20000; ++round) {
        QString section;
        const int length = static_cast<int>(next() % 40);
        for (int c = 0; c < length; ++c)
            section += alphabet.at(static_cast<qsizetype>((next() >> 16) % alphabet.size()));
        ASSERT_EQ(FormatStationDetail(section), literalFormat(section)) << section.toStdString();
    }
}

} // namespace
