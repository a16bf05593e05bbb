// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/page_time.h"
#include "history/page_record.h"
#include "support/history_records.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

struct PageTimeCase {
    const char* name;
    const char* text;
    const char* utc; // ISO, or nullptr when it must not parse
};
ONDREL_NAMED_CASE(PageTimeCase)

class PageTimeTest : public testing::TestWithParam<PageTimeCase> {};

TEST_P(PageTimeTest, ReadsAsUtc)
{
    const std::optional<QDateTime> utc = pageTimeToUtc(QString::fromUtf8(GetParam().text));
    if (!GetParam().utc) {
        EXPECT_FALSE(utc.has_value()) << utc->toString(Qt::ISODate).toStdString();
        return;
    }
    ASSERT_TRUE(utc.has_value());
    EXPECT_EQ(utcText(*utc), QString::fromLatin1(GetParam().utc));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, PageTimeTest,
    testing::Values(PageTimeCase{"AsThePageGivesIt", "2026/12/07 10:15 JST",
                                 "2026-12-07T01:15:00Z"},
                    PageTimeCase{"BeforeNineIsThePreviousUtcDay", "2027/01/01 08:45 JST",
                                 "2026-12-31T23:45:00Z"},
                    PageTimeCase{"InParenthesesWithSeconds", "(2026/12/07 10:15:30 JST)",
                                 "2026-12-07T01:15:30Z"},
                    PageTimeCase{"FullWidthDigits", "２０２６/１２/０７ １０：１５ JST",
                                 "2026-12-07T01:15:00Z"},
                    PageTimeCase{"JapaneseUnits", "2026年12月7日 10時15分", "2026-12-07T01:15:00Z"},
                    PageTimeCase{"DashesNoZone", "2026-12-07 10:15", "2026-12-07T01:15:00Z"},
                    PageTimeCase{"MarkedUtc", "2026/12/07 01:15 UTC", "2026-12-07T01:15:00Z"},
                    PageTimeCase{"NoSuchDay", "2026/02/30 10:15 JST", nullptr},
                    PageTimeCase{"NoTime", "2026/12/07", nullptr},
                    PageTimeCase{"Empty", "", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageRecords, OnePerStationInOrderWithTheirCodes)
{
    const std::vector<PageRecord> records =
        historytest::page(QStringLiteral("2026/12/07 10:15 JST"));
    ASSERT_EQ(records.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(records[k].station, QLatin1StringView(kStationCodes[k]));
        EXPECT_EQ(stationIndex(records[k].station), k);
        EXPECT_EQ(records[k].fetchedUtc, historytest::kFetched);
    }
    EXPECT_EQ(records[1].texts[EsColumn], QStringLiteral("8.6"));
    EXPECT_EQ(records[1].values[FminColumn], 1.1);
    EXPECT_EQ(records[2].signalNames[EsColumn], QStringLiteral("UNDEFINE"));
}

} // namespace
