// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/decode_text.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

struct SenderCase {
    const char* name;
    const char* message;
    const char* call; // nullptr: no sender
    const char* grid;
    bool hashed;
};
ONDREL_NAMED_CASE(SenderCase)

class SenderTest : public testing::TestWithParam<SenderCase> {};

TEST_P(SenderTest, CallAndGrid)
{
    const std::optional<DecodeSender> sender = senderOf(QString::fromLatin1(GetParam().message));
    ASSERT_EQ(sender.has_value(), GetParam().call != nullptr);
    if (!sender)
        return;
    EXPECT_EQ(sender->call, QString::fromLatin1(GetParam().call));
    EXPECT_EQ(sender->grid, QString::fromLatin1(GetParam().grid));
    EXPECT_EQ(sender->hashed, GetParam().hashed);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, SenderTest,
    testing::Values(SenderCase{"Cq", "CQ JA6ABC PM51", "JA6ABC", "PM51", false},
                    SenderCase{"CqDx", "CQ DX JA6ABC PM51", "JA6ABC", "PM51", false},
                    SenderCase{"CqPota", "CQ POTA JA6ABC PM51", "JA6ABC", "PM51", false},
                    SenderCase{"CqNumbered", "CQ 123 JA6ABC PM51", "JA6ABC", "PM51", false},
                    SenderCase{"CqWithoutGrid", "CQ 7J1ABC", "7J1ABC", "", false},
                    SenderCase{"SmallLetters", "cq ja6abc pm51", "JA6ABC", "PM51", false},
                    SenderCase{"Grid", "JA1XYZ JR6DEF PL36", "JR6DEF", "PL36", false},
                    SenderCase{"Report", "JA1XYZ JR6DEF -12", "JR6DEF", "", false},
                    SenderCase{"RogerReport", "JA1XYZ JR6DEF R-12", "JR6DEF", "", false},
                    SenderCase{"Rr73IsNoGrid", "JA1XYZ JR6DEF RR73", "JR6DEF", "", false},
                    SenderCase{"SeventyThree", "JA1XYZ JR6DEF 73", "JR6DEF", "", false},
                    SenderCase{"Rrr", "JA1XYZ JR6DEF RRR", "JR6DEF", "", false},
                    SenderCase{"RogerGrid", "JA1XYZ JR6DEF R PM95", "JR6DEF", "PM95", false},
                    SenderCase{"TwoCallsOnly", "JA1XYZ JR6DEF", "JR6DEF", "", false},
                    SenderCase{"Portable", "JA1XYZ/P JR6DEF/P", "JR6DEF/P", "", false},
                    SenderCase{"CompoundPrefix", "CQ KH0/JA1XYZ", "KH0/JA1XYZ", "", false},
                    SenderCase{"Ogasawara", "JA1XYZ JD1/JA1ABC 73", "JD1/JA1ABC", "", false},
                    SenderCase{"HashedSender", "JA1XYZ <JR6DEF> -05", "JR6DEF", "", true},
                    SenderCase{"HashedAddressee", "<...> JR6DEF PL36", "JR6DEF", "PL36", false},
                    SenderCase{"UnresolvedHash", "JA1XYZ <...> RR73", nullptr, "", false},
                    SenderCase{"FreeText", "TNX BOB 73 GL", nullptr, "", false},
                    SenderCase{"FreeTextAfterCalls", "JA1XYZ JR6DEF TNX FB QSO", nullptr, "",
                               false},
                    SenderCase{"CqAlone", "CQ", nullptr, "", false},
                    SenderCase{"CqDxAlone", "CQ DX", nullptr, "", false},
                    SenderCase{"Empty", "", nullptr, "", false},
                    SenderCase{"NumbersOnly", "12345 67890", nullptr, "", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Grid, FourCharactersAToRThenDigits)
{
    for (const char* grid : {"PM95", "AA00", "RR99", "PL36"})
        EXPECT_TRUE(isGrid(QString::fromLatin1(grid))) << grid;
    for (const char* text : {"RR73", "SM95", "PS95", "PM9", "PM95vq", "pm95", "-12", "73"})
        EXPECT_FALSE(isGrid(QString::fromLatin1(text))) << text;
}

TEST(LocatingPart, PrefixOrAreaOfACompoundCall)
{
    const std::pair<const char*, const char*> cases[] = {
        {"JA1XYZ", "JA1XYZ"},  {"JA1XYZ/P", "JA1XYZ"}, {"JA1XYZ/6", "JA6XYZ"},
        {"KH0/JA1XYZ", "KH0"}, {"JD1/JA1XYZ", "JD1"},  {"JA1XYZ/KH0", "KH0"}};
    for (const auto& [call, part] : cases)
        EXPECT_EQ(locatingPart(QString::fromLatin1(call)), QString::fromLatin1(part)) << call;
}

} // namespace
