// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cli_runner.h"
#include "support/named_case.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// How each command reads "--", values that start with a dash, single-dash
// and NAME=VALUE forms, and which of two problems it answers.
struct ArgumentCase {
    const char* name;
    QStringList args; // "DIR" stands for an empty directory
    int exitCode;
    QByteArray err;
};
ONDREL_NAMED_CASE(ArgumentCase)

class CliArgumentTest : public testing::TestWithParam<ArgumentCase> {};

TEST_P(CliArgumentTest, ExitAndMessage)
{
    QTemporaryDir temp;
    QStringList args = GetParam().args;
    args.replaceInStrings(QStringLiteral("DIR"), temp.path());
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    EXPECT_EQ(run.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliArgumentTest,
    testing::Values(
        ArgumentCase{"ShortHelp", {"-h", "--bogus"}, 0, ""},
        ArgumentCase{
            "HelpOneLetterLong", {"--h"}, 2, "ondrel-cli: unknown command --h (try --help)\n"},
        ArgumentCase{"HelpWithValue",
                     {"--help=1"},
                     2,
                     "ondrel-cli: unknown command --help=1 (try --help)\n"},
        ArgumentCase{
            "ParseDoubleDash", {"parse", "--", "a"}, 2, "ondrel-cli: parse: unknown option --\n"},
        ArgumentCase{"ParseFirstDashBeforeCount",
                     {"parse", "a", "b", "-x"},
                     2,
                     "ondrel-cli: parse: unknown option -x\n"},
        ArgumentCase{"FetchValueAfterEquals",
                     {"fetch", "--timeout=5", "http://127.0.0.1:1/"},
                     2,
                     "ondrel-cli: fetch: unexpected argument --timeout=5\n"},
        ArgumentCase{"FetchSingleDash",
                     {"fetch", "-timeout", "5"},
                     2,
                     "ondrel-cli: fetch: unexpected argument -timeout\n"},
        ArgumentCase{"FetchDoubleDashAsValue",
                     {"fetch", "--timeout", "--"},
                     2,
                     "ondrel-cli: fetch: --timeout wants seconds, not --\n"},
        ArgumentCase{"FetchFirstProblemWins",
                     {"fetch", "--timeout", "0", "--bogus"},
                     2,
                     "ondrel-cli: fetch: --timeout wants seconds, not 0\n"},
        ArgumentCase{"WatchNegativePeriod",
                     {"watch", "--period", "-60"},
                     2,
                     "ondrel-cli: watch: --period wants 60 to 900 seconds, not -60\n"},
        ArgumentCase{"WatchDoubleDash",
                     {"watch", "--", "a"},
                     2,
                     "ondrel-cli: watch: unexpected argument --\n"},
        ArgumentCase{"HistoryDoubleDash",
                     {"history", "--", "--json"},
                     2,
                     "ondrel-cli: history: unknown argument -- (try --help)\n"},
        ArgumentCase{"HistoryNegativeValue",
                     {"history", "--since", "-15"},
                     2,
                     "ondrel-cli: history: --since -15 is not a date\n"},
        ArgumentCase{"SettingsNegativeOperand",
                     {"settings", "--dir", "DIR", "get", "-15"},
                     1,
                     "ondrel-cli: settings: -15 is not set.\n"},
        ArgumentCase{"SettingsDoubleDashEndsOptions",
                     {"settings", "get", "--dir", "DIR", "--", "--dir"},
                     1,
                     "ondrel-cli: settings: --dir is not set.\n"},
        ArgumentCase{"SettingsSingleDashIsAWord",
                     {"settings", "-dir", "/", "path"},
                     2,
                     "ondrel-cli: settings: path, get KEY or set KEY VALUE expected, not -dir / "
                     "path\n"},
        ArgumentCase{"SettingsDirWithEquals",
                     {"settings", "--dir=/", "path"},
                     2,
                     "ondrel-cli: settings: unknown option --dir=/\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
