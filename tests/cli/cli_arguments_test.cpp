// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cli_runner.h"
#include "support/named_case.h"

#include <QFile>
#include <QRegularExpression>
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
                     "ondrel-cli: fetch: --timeout wants 0.001 to 86400 seconds, not --\n"},
        ArgumentCase{"FetchFirstProblemWins",
                     {"fetch", "--timeout", "0", "--bogus"},
                     2,
                     "ondrel-cli: fetch: --timeout wants 0.001 to 86400 seconds, not 0\n"},
        ArgumentCase{"FetchTimeoutOverADay",
                     {"fetch", "--timeout", "86401"},
                     2,
                     "ondrel-cli: fetch: --timeout wants 0.001 to 86400 seconds, not 86401\n"},
        ArgumentCase{"FetchHelpAsTimeout",
                     {"fetch", "--timeout", "--help"},
                     2,
                     "ondrel-cli: fetch: --timeout wants 0.001 to 86400 seconds, not --help\n"},
        ArgumentCase{"FetchFtp",
                     {"fetch", "ftp://127.0.0.1/a.html"},
                     2,
                     "ondrel-cli: fetch: ftp://127.0.0.1/a.html is not an http or https address\n"},
        ArgumentCase{"FetchFile",
                     {"fetch", "file:///dev/null"},
                     2,
                     "ondrel-cli: fetch: file:///dev/null is not an http or https address\n"},
        ArgumentCase{"FetchNoHost",
                     {"fetch", "http://"},
                     2,
                     "ondrel-cli: fetch: http:// is not an http or https address\n"},
        ArgumentCase{"FetchBlankInAddress",
                     {"fetch", "127.0.0.1/a b"},
                     2,
                     "ondrel-cli: fetch: 127.0.0.1/a b is not an http or https address\n"},
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
                     "ondrel-cli: history: --since -15 is not a date; give a day (2026-12-07), "
                     "a time in JST (2026-12-07 10:15) or an ISO 8601 time with a zone "
                     "(2026-12-07T01:15Z)\n"},
        ArgumentCase{"HistorySinceAfterUntil",
                     {"history", "--until", "2026-12-07", "--since", "2026-12-07T15:00Z"},
                     2,
                     "ondrel-cli: history: --since 2026-12-07T15:00Z is later than --until "
                     "2026-12-07\n"},
        ArgumentCase{"HistoryUnknownStation",
                     {"history", "--station", "tokyo"},
                     2,
                     "ondrel-cli: history: unknown station tokyo (wakkanai, kokubunji, yamagawa or "
                     "ogimi, or its code wk546, to536, yg431 or ok426)\n"},
        ArgumentCase{"HelpUnknownCommand",
                     {"help", "nosuch"},
                     2,
                     "ondrel-cli: help: unknown command nosuch (try --help)\n"},
        ArgumentCase{"HelpTwoCommands",
                     {"help", "parse", "fetch"},
                     2,
                     "ondrel-cli: help: at most one COMMAND\n"},
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
                     "ondrel-cli: settings: path, list, get KEY, set KEY VALUE or unset KEY "
                     "expected, not -dir / path\n"},
        ArgumentCase{"SettingsDirWithEquals",
                     {"settings", "--dir=/", "path"},
                     2,
                     "ondrel-cli: settings: unknown option --dir=/\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Each command's own usage, wherever -h or --help stands as an option.
struct HelpCase {
    const char* name;
    QStringList args;
    QByteArray usage; // the first line
};
ONDREL_NAMED_CASE(HelpCase)

class CliHelpTest : public testing::TestWithParam<HelpCase> {};

TEST_P(CliHelpTest, PrintsTheUsageAndExitsZero)
{
    const CliRun run = runCli(GetParam().args);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_EQ(run.out.left(run.out.indexOf('\n') + 1), GetParam().usage);
    EXPECT_TRUE(run.out.contains("\n  -h, --help "));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliHelpTest,
    testing::Values(
        HelpCase{"Tool", {"--help"}, "Usage: ondrel-cli COMMAND [ARGS]\n"},
        HelpCase{"HelpAlone", {"help"}, "Usage: ondrel-cli COMMAND [ARGS]\n"},
        HelpCase{"ParseLong", {"parse", "--help"}, "Usage: ondrel-cli parse [FILE]\n"},
        HelpCase{
            "ParseAfterFile", {"parse", "page.html", "-h"}, "Usage: ondrel-cli parse [FILE]\n"},
        HelpCase{"FetchShort",
                 {"fetch", "-h"},
                 "Usage: ondrel-cli fetch [URL] [--timeout SECONDS] [--save FILE] [--dir DIR]\n"},
        HelpCase{"SettingsAfterVerb",
                 {"settings", "get", "--help"},
                 "Usage: ondrel-cli settings [--dir DIR] path\n"},
        HelpCase{"WatchAfterOption",
                 {"watch", "--period", "60", "-h"},
                 "Usage: ondrel-cli watch [URL] [--period SECONDS] [--dir DIR] [--json] [--all] "
                 "[--db FILE | --no-history] [--exec COMMAND] [--listen [ADDRESS:]PORT]\n"},
        HelpCase{"History",
                 {"history", "--help"},
                 "Usage: ondrel-cli history [--since DATE] [--until DATE] [--station STATION] "
                 "[--csv|--json] [--db FILE]\n"},
        HelpCase{"HelpCommand",
                 {"help", "watch"},
                 "Usage: ondrel-cli watch [URL] [--period SECONDS] [--dir DIR] [--json] [--all] "
                 "[--db FILE | --no-history] [--exec COMMAND] [--listen [ADDRESS:]PORT]\n"},
        HelpCase{"HelpOfHelp", {"help", "--help"}, "Usage: ondrel-cli help [COMMAND]\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// The command names the overview lists under "Commands:".
QStringList overviewCommands()
{
    const QByteArray overview = runCli({QStringLiteral("--help")}).out;
    const qsizetype start = overview.indexOf("\nCommands:\n") + 11;
    const qsizetype end = overview.indexOf("\n\n", start);
    QStringList names;
    static const QRegularExpression entry(QStringLiteral("^  ([a-z-]+)  "));
    for (const QByteArray& line : overview.mid(start, end - start).split('\n')) {
        const QRegularExpressionMatch match = entry.match(QString::fromUtf8(line));
        if (match.hasMatch())
            names << match.captured(1);
    }
    return names;
}

// The usage lines that open a help text, each on one line without its
// "Usage: " or "or: ".
QStringList usageLines(const QByteArray& help)
{
    QStringList lines;
    for (const QByteArray& line : help.left(help.indexOf("\n\n")).split('\n')) {
        const QString text = QString::fromUtf8(line).simplified();
        if (text.startsWith(u"Usage: ") || text.startsWith(u"or: "))
            lines << text.section(u' ', 1);
        else if (!lines.isEmpty())
            lines.last() += u' ' + text;
    }
    return lines;
}

TEST(CliHelp, HelpCommandPrintsWhatTheOptionPrints)
{
    const QStringList commands = overviewCommands();
    EXPECT_EQ(commands, (QStringList{"parse", "fetch", "settings", "watch", "history", "heard",
                                     "log", "skill", "reach", "map", "help"}));
    for (const QString& command : commands) {
        const QByteArray help = runCli({QStringLiteral("help"), command}).out;
        EXPECT_EQ(help, runCli({command, QStringLiteral("--help")}).out) << command.toStdString();
        EXPECT_TRUE(help.startsWith("Usage: ondrel-cli " + command.toUtf8() + ' '))
            << command.toStdString();
    }
}

TEST(CliHelp, ReadmeListsEveryUsageLineOfTheTool)
{
    QFile readme(QStringLiteral(ONDREL_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    QStringList usages = usageLines(runCli({QStringLiteral("--help")}).out);
    for (const QString& command : overviewCommands())
        usages += usageLines(runCli({QStringLiteral("help"), command}).out);
    ASSERT_GE(usages.size(), 11);
    for (const QString& usage : usages)
        EXPECT_TRUE(text.contains(QStringLiteral("\n    ") + usage + u'\n')) << usage.toStdString();
}

} // namespace
