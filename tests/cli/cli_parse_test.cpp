// SPDX-License-Identifier: GPL-3.0-or-later
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "support/cli_runner.h"
#include "support/file_contents.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

QJsonObject parseJson(const QByteArray& out)
{
    EXPECT_TRUE(out.endsWith('\n'));
    EXPECT_EQ(out.count('\n'), 1);
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << out.toStdString();
    return doc.object();
}

const QString kRealistic = QStringLiteral(ONDREL_TEST_DATA "/alert-realistic.html");

TEST(CliParse, RealisticPageGivesTheWholeContract)
{
    const CliRun run = runCli({QStringLiteral("parse"), kRealistic});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = parseJson(run.out);

    QStringList keys = json.keys();
    keys.sort();
    EXPECT_EQ(keys, (QStringList{"alert_time", "cells", "delay_note", "header_opaque", "outcome",
                                 "station_detail", "status_item", "status_phrase", "summary_level",
                                 "summary_mark", "window_caption"}));
    EXPECT_EQ(json["outcome"].toString(), QStringLiteral("parsed"));
    EXPECT_FALSE(json["header_opaque"].toBool());
    EXPECT_EQ(json["status_item"].toString(), QStringLiteral("2026/12/07 10:15 JST現在"));
    EXPECT_EQ(json["alert_time"].toString(), QStringLiteral("2026/12/07 10:15 JST"));
    const QJsonArray cells = json["cells"].toArray();
    ASSERT_EQ(cells.size(), 15);
    EXPECT_EQ(cells[0].toObject()["caption"].toString(), QStringLiteral("5.3"));
    EXPECT_EQ(cells[0].toObject()["colour"].toString(), QStringLiteral("#00FF00"));
    EXPECT_EQ(cells[5].toObject()["colour"].toString(), QStringLiteral("#FFFF00"));
    EXPECT_EQ(cells[14].toObject()["caption"].toString(), QStringLiteral("注"));
    EXPECT_EQ(json["summary_level"].toArray(), (QJsonArray{3, 5, 9}));
    EXPECT_EQ(json["summary_mark"].toArray(), (QJsonArray{"注", "静", "注"}));
    EXPECT_EQ(json["status_phrase"].toString(), QStringLiteral("Es 注意"));
    EXPECT_EQ(json["window_caption"].toString(), QStringLiteral("Es 注意"));
    EXPECT_EQ(json["station_detail"].toArray().size(), 4);
    EXPECT_EQ(json["delay_note"].toArray(), (QJsonArray{"", "", "", ""}));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST(CliParse, StandardInputAndDashReadTheSameBytes)
{
    QFile file(kRealistic);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray page = file.readAll();
    const CliRun fromFile = runCli({QStringLiteral("parse"), kRealistic});
    const CliRun fromStdin = runCli({QStringLiteral("parse")}, page);
    const CliRun fromDash = runCli({QStringLiteral("parse"), QStringLiteral("-")}, page);
    EXPECT_EQ(fromStdin.exitCode, 0);
    EXPECT_EQ(fromStdin.out, fromFile.out);
    EXPECT_EQ(fromDash.out, fromFile.out);
}

struct OutcomeCase {
    const char* name;
    QByteArray input;
    const char* outcome;
    bool headerOpaque;
    const char* err; // after "ondrel-cli: parse: "
};
ONDREL_NAMED_CASE(OutcomeCase)

class CliOutcomeTest : public testing::TestWithParam<OutcomeCase> {};

TEST_P(CliOutcomeTest, OtherOutcomesExitThree)
{
    const CliRun run = runCli({QStringLiteral("parse")}, GetParam().input);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, QByteArray("ondrel-cli: parse: ") + GetParam().err + '\n');
    const QJsonObject json = parseJson(run.out);
    EXPECT_EQ(json["outcome"].toString(), QLatin1String(GetParam().outcome));
    EXPECT_EQ(json["header_opaque"].toBool(), GetParam().headerOpaque);
    EXPECT_EQ(json["status_item"].toString(), QStringLiteral("QRX 読み込み中"));
    EXPECT_EQ(json["window_caption"].toString(), QStringLiteral("電離層"));
    EXPECT_EQ(json["cells"].toArray()[3].toObject()["colour"].toString(),
              QStringLiteral("#00FF00"));
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, CliOutcomeTest,
    testing::Values(
        OutcomeCase{"EmptyBodyFailed", QByteArray(), "failed", true,
                    "failed: standard input holds no text to read"},
        OutcomeCase{"Forbidden", "<html><title>403 Forbidden</title></html>", "forbidden", false,
                    "forbidden: standard input is a 403 Forbidden page"},
        OutcomeCase{"Maintenance", "<html><title>Maintenance</title></html>", "not-alert-page",
                    true, "not-alert-page: standard input has no NICT Ionospheric Alert title"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliParse, BrokenAlertPageIsStopped)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("page.html"));
    writeAll(page, "<title>NICT Ionospheric Alert</title>(10:00) no stations");
    const CliRun run = runCli({QStringLiteral("parse"), page});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, "ondrel-cli: parse: stopped: " + page.toUtf8() +
                           " is an alert page the parser could not read through\n");
    const QJsonObject json = parseJson(run.out);
    EXPECT_EQ(json["outcome"].toString(), QStringLiteral("stopped"));
    EXPECT_TRUE(json["header_opaque"].toBool());
    EXPECT_EQ(json["status_item"].toString(), QStringLiteral("10:00現在"));
}

struct ParseUsageCase {
    const char* name;
    QStringList args;
};
ONDREL_NAMED_CASE(ParseUsageCase)

class CliUsageTest : public testing::TestWithParam<ParseUsageCase> {};

TEST_P(CliUsageTest, UsageErrorsExitTwoWithOneLine)
{
    const CliRun run = runCli(GetParam().args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Errors, CliUsageTest,
    testing::Values(ParseUsageCase{"NoCommand", {}}, ParseUsageCase{"UnknownCommand", {"pars"}},
                    ParseUsageCase{"MissingFile", {"parse", "/nonexistent/page.html"}},
                    ParseUsageCase{"Directory", {"parse", "/"}},
                    ParseUsageCase{"UnknownOption", {"parse", "--json"}},
                    ParseUsageCase{"TwoFiles", {"parse", "a", "b"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliParse, Version)
{
    const CliRun version = runCli({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("ondrel-cli "));
}

} // namespace
