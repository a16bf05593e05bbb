// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/page_refresh.h"

#include "core/text/code_conv.h"
#include "support/test_page.h"

#include "support/named_case.h"

#include <gtest/gtest.h>

using namespace testpage;

namespace {

struct RefreshCase {
    const char* name;
    QByteArray body;
    RefreshOutcome outcome;
    bool headerOpaque;
    bool gridWritten;
};
ONDREL_NAMED_CASE(RefreshCase)

class RefreshTest : public testing::TestWithParam<RefreshCase> {};

TEST_P(RefreshTest, OutcomeAndTroubleSign)
{
    const RefreshCase& c = GetParam();
    ReadoutState state;
    state.SummaryLevel = {4, 7, 10};
    CodeConv conv;
    EXPECT_EQ(refreshFromStart(c.body, state, conv), c.outcome);
    EXPECT_EQ(state.headerOpaque, c.headerOpaque);
    EXPECT_EQ(!state.cells[0].caption.isEmpty(), c.gridWritten);
    // A body that cannot be converted leaves its ConvError for the next refresh to clear.
    EXPECT_EQ(conv.ConvError.isEmpty(), c.outcome != RefreshOutcome::Failed);
    if (c.outcome != RefreshOutcome::Parsed && c.outcome != RefreshOutcome::Stopped) {
        EXPECT_EQ(state.SummaryLevel, (std::array<int, 3>{0, 0, 0}));
        EXPECT_EQ(state.statusItem, QStringLiteral("QRX 読み込み中"));
        EXPECT_EQ(state.windowCaption, QStringLiteral("電離層"));
    }
}

QByteArray withTitle(const QByteArray& title)
{
    return "<html><head><title>" + title + "</title></head><body><p>x</p></body></html>";
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, RefreshTest,
    testing::Values(
        RefreshCase{"RealisticPage", realisticBytes(), RefreshOutcome::Parsed, false, true},
        RefreshCase{"EmptyBody", QByteArray(), RefreshOutcome::Failed, true, false},
        RefreshCase{"Forbidden", withTitle("403 Forbidden"), RefreshOutcome::Forbidden, false,
                    false},
        RefreshCase{"ForbiddenWinsOverAlertTitle",
                    withTitle("403 Forbidden") + "<title>NICT Ionospheric Alert</title>",
                    RefreshOutcome::Forbidden, false, false},
        RefreshCase{"MaintenancePage", withTitle("メンテナンス中"), RefreshOutcome::NotAlertPage,
                    true, false},
        RefreshCase{"NotFoundPage", withTitle("404 Not Found"), RefreshOutcome::NotAlertPage, true,
                    false},
        RefreshCase{"TitleInAnyLetterCase",
                    QByteArray(realisticBytes())
                        .replace("NICT Ionospheric Alert", "nict IONOSPHERIC alert"),
                    RefreshOutcome::Parsed, false, true},
        RefreshCase{"MalformedBytesStillParse",
                    QByteArray(realisticBytes()).replace("<hr", "\xFF\xE3\x81<hr"),
                    RefreshOutcome::Parsed, false, true},
        RefreshCase{"BrokenLayoutStops", QByteArray(realisticBytes()).replace("[MHz]", "MHz"),
                    RefreshOutcome::Stopped, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageRefresh, AcceptedPageClearsAnEarlierTroubleSign)
{
    ReadoutState state;
    CodeConv conv;
    EXPECT_EQ(refreshFromStart("garbage", state, conv), RefreshOutcome::NotAlertPage);
    EXPECT_TRUE(state.headerOpaque);
    EXPECT_EQ(refreshFromStart(realisticBytes(), state, conv), RefreshOutcome::Parsed);
    EXPECT_FALSE(state.headerOpaque);
}

TEST(PageRefresh, FailedRefreshKeepsTheLastGoodReadout)
{
    ReadoutState state;
    CodeConv conv;
    refreshFromStart(realisticBytes(), state, conv);
    const ReadoutState good = state;
    EXPECT_EQ(refreshFromStart(QByteArray(), state, conv), RefreshOutcome::Failed);
    for (int i = 0; i < kCellCount; ++i) {
        EXPECT_EQ(state.cells[i].caption, good.cells[i].caption);
        EXPECT_EQ(state.cells[i].colour, good.cells[i].colour);
    }
    EXPECT_EQ(state.statusItem, good.statusItem);
    EXPECT_EQ(state.StatusPhrase, good.StatusPhrase);
    EXPECT_EQ(state.StationDetail, good.StationDetail);
}

TEST(PageRefresh, UnrepresentableCharactersBecomeQuestionMarks)
{
    QByteArray body = realisticBytes();
    body.replace("5.3 [MHz]", "5.3\xE2\x82\xAC [MHz]"); // a euro sign
    ReadoutState state;
    CodeConv conv;
    EXPECT_EQ(refreshFromStart(body, state, conv), RefreshOutcome::Parsed);
    EXPECT_EQ(state.cells[0].caption, QStringLiteral("5.3?"));
}

} // namespace
