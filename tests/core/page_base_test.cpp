// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/page_base.h"

#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

struct BaseCase {
    const char* name;
    const char* typed;
    const char* base; // nullptr: refused, the provider's address serves
};
ONDREL_NAMED_CASE(BaseCase)

class PageBaseTest : public testing::TestWithParam<BaseCase> {};

TEST_P(PageBaseTest, TypedAddressGivesTheBase)
{
    const PageBase page = pageBaseFor(QString::fromUtf8(GetParam().typed));
    if (GetParam().base) {
        EXPECT_EQ(page.base, QString::fromUtf8(GetParam().base));
        EXPECT_TRUE(page.problem.isEmpty()) << page.problem.toStdString();
    } else {
        EXPECT_EQ(page.base, QStringLiteral("http://wdc.nict.go.jp"));
        EXPECT_EQ(page.problem, QStringLiteral("ESHost \"%1\" is not an http or https address; "
                                               "using http://wdc.nict.go.jp")
                                    .arg(QString::fromUtf8(GetParam().typed)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Typed, PageBaseTest,
    testing::Values(BaseCase{"Empty", "", "http://wdc.nict.go.jp"},
                    BaseCase{"BareHost", "wdc.nict.go.jp", "http://wdc.nict.go.jp"},
                    BaseCase{"BareHostSlash", "wdc.nict.go.jp/", "http://wdc.nict.go.jp"},
                    BaseCase{"BareHostPortPath", "127.0.0.1:8080/mirror",
                             "http://127.0.0.1:8080/mirror"},
                    BaseCase{"BareLocalhostPort", "localhost:8080", "http://localhost:8080"},
                    BaseCase{"BareIpv6", "[::1]:8080", "http://[::1]:8080"},
                    BaseCase{"Http", "http://127.0.0.1:8080", "http://127.0.0.1:8080"},
                    BaseCase{"HttpSlashes", "http://127.0.0.1:8080//", "http://127.0.0.1:8080"},
                    BaseCase{"HttpsPath", "https://wdc.nict.go.jp/Ionosphere/realtime/",
                             "https://wdc.nict.go.jp/Ionosphere/realtime"},
                    BaseCase{"UpperCaseScheme", "HTTP://wdc.nict.go.jp", "HTTP://wdc.nict.go.jp"},
                    BaseCase{"Ftp", "ftp://x", nullptr}, BaseCase{"File", "file:///tmp", nullptr},
                    BaseCase{"HttpWithoutHost", "http://", nullptr},
                    BaseCase{"OneSlashOnly", "http:/wdc.nict.go.jp", nullptr},
                    BaseCase{"PortNotANumber", "wdc.nict.go.jp:http", nullptr},
                    BaseCase{"Blank", "wdc nict.go.jp", nullptr},
                    BaseCase{"BlankInPath", "http://wdc.nict.go.jp/a b", nullptr},
                    BaseCase{"Query", "http://wdc.nict.go.jp/?a=1", nullptr},
                    BaseCase{"SlashOnly", "/", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
