// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/refresh/fetch_failure.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

struct FailureCase {
    const char* name;
    FetchFailure failure;
    const char* cli;    // ondrel-cli's words
    const char* window; // the status line's tooltip, first line
};
ONDREL_NAMED_CASE(FailureCase)

class FetchFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(FetchFailureTest, NamesTheAddressTheCauseAndTheSetting)
{
    const FailureCase& c = GetParam();
    EXPECT_EQ(fetchFailureText(c.failure), QString::fromUtf8(c.cli));
    const QStringList lines = fetchFailureExplanation(c.failure).split(u'\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QString::fromUtf8(c.window));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("(ESHost)")));
}

const QString kUrl = QStringLiteral("http://wdc.nict.go.jp/ISDJ/ionospheric-alert.html");

FetchFailure failure(FetchFailure::Cause cause, int status = 0, double seconds = 0)
{
    FetchFailure f{cause, kUrl};
    f.httpStatus = status;
    f.timeoutSeconds = seconds;
    return f;
}

using enum FetchFailure::Cause;
INSTANTIATE_TEST_SUITE_P(
    Causes, FetchFailureTest,
    testing::Values(
        FailureCase{"Refused", failure(ConnectionRefused), "connection refused",
                    "http://wdc.nict.go.jp/ISDJ/ionospheric-alert.html を読めませんでした: "
                    "接続を拒否されました。"},
        FailureCase{"NoSuchHost", failure(HostNotFound), "host wdc.nict.go.jp not found",
                    "http://wdc.nict.go.jp/ISDJ/ionospheric-alert.html を読めませんでした: "
                    "ホスト wdc.nict.go.jp が見つかりません。"},
        FailureCase{"TimedOut", failure(TimedOut, 0, 60), "no answer within 60 s",
                    "http://wdc.nict.go.jp/ISDJ/ionospheric-alert.html を読めませんでした: "
                    "時間切れです（60 秒応答なし）。"},
        FailureCase{"ErrorStatus", failure(HttpStatus, 503), "HTTP 503",
                    "http://wdc.nict.go.jp/ISDJ/ionospheric-alert.html を読めませんでした: "
                    "HTTP status 503 が返りました。"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
