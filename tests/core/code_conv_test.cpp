// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/code_conv.h"
#include "core/text/text_helpers.h"

#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<unsigned char> list)
{
    QByteArray result;
    for (unsigned char b : list)
        result.append(static_cast<char>(b));
    return result;
}

struct ConversionCase {
    const char* name;
    QByteArray utf8;
    QByteArray utf16;
    QByteArray sjis;
};
ONDREL_NAMED_CASE(ConversionCase)

class ConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, ThroughUtf16ToCodePage932)
{
    const ConversionCase& c = GetParam();
    CodeConv conv;
    const QByteArray utf16 = conv.U8toU16(c.utf8);
    EXPECT_EQ(utf16, c.utf16);
    EXPECT_EQ(conv.U16toSJIS(utf16), c.sjis);
    EXPECT_TRUE(conv.ConvError.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ConversionTest,
    testing::Values(ConversionCase{"Ascii", "abc", bytes({0x61, 0, 0x62, 0, 0x63, 0}), "abc"},
                    ConversionCase{"Kanji", bytes({0xE7, 0x8F, 0xBE}), bytes({0xFE, 0x73}),
                                   bytes({0x8C, 0xBB})},
                    ConversionCase{"FinalLineFeedKept", "a\n", bytes({0x61, 0, 0x0A, 0}), "a\n"},
                    ConversionCase{"MalformedBecomesReplacementThenQuestionMark",
                                   bytes({0xC3, 0x28}), bytes({0xFD, 0xFF, 0x28, 0}), "?("},
                    ConversionCase{"EuroSignNotInCodePage", bytes({0xE2, 0x82, 0xAC}),
                                   bytes({0xAC, 0x20}), "?"},
                    ConversionCase{"HalfWidthKatakana", bytes({0xEF, 0xBD, 0xB8}),
                                   bytes({0x78, 0xFF}), bytes({0xB8})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CodeConv, EmptyInputSetsConvErrorAndReturnsEmpty)
{
    CodeConv conv;
    EXPECT_TRUE(conv.U8toU16(QByteArray()).isEmpty());
    EXPECT_TRUE(conv.ConvError.startsWith(QStringLiteral("U8toU16 ")))
        << conv.ConvError.toStdString();
}

TEST(CodeConv, EmptyInputOfU16toSjisFails)
{
    CodeConv conv;
    EXPECT_THROW(conv.U16toSJIS(QByteArray()), ProcedureFailure);
    EXPECT_THROW(conv.U16toSJIS(QByteArray("a")), ProcedureFailure);
}

TEST(CodeConv, OddTrailingByteOfUtf16IsIgnored)
{
    CodeConv conv;
    EXPECT_EQ(conv.U16toSJIS(bytes({0x61, 0, 0x62})), QByteArray("a"));
}

TEST(CodeConv, UnpairedSurrogateBecomesQuestionMark)
{
    CodeConv conv;
    EXPECT_EQ(conv.U16toSJIS(bytes({0x00, 0xD8, 0x61, 0})), QByteArray("?a"));
}

TEST(CodeConv, CodePageBytesReadBackAsText)
{
    CodeConv conv;
    EXPECT_EQ(conv.sjisToText(bytes({0x8C, 0xBB, 0x5C, 0xB8})), QStringLiteral("現\\ｸ"));
}

} // namespace

namespace {

// Every character code page 932 can hold, read back from its bytes.
QString allCodePageCharacters(const CodeConv& conv)
{
    QByteArray bytes;
    for (int single = 0x20; single < 0x100; ++single)
        bytes.append(static_cast<char>(single));
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead <= 0xDF)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            bytes.append(static_cast<char>(lead));
            bytes.append(static_cast<char>(trail));
        }
    }
    return conv.sjisToText(bytes);
}

TEST(CodeConv, UpperCaseMatchesQtOnEveryCodePageCharacter)
{
    CodeConv conv;
    const QString text = allCodePageCharacters(conv);
    ASSERT_GT(text.size(), 7000);
    EXPECT_EQ(UpperCase(text), text.toUpper());
}

} // namespace
