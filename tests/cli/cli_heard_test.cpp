// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cli_runner.h"
#include "support/named_case.h"
#include "support/recorded_heard.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CliHeardTest : public testing::Test {
protected:
    void SetUp() override
    {
        HistoryLog log(dbPath());
        ASSERT_TRUE(log.open());
        heardtest::logCapture(QStringLiteral("wsjtx-2.6.1"), log);
    }
    QString dbPath() const { return m_dir.filePath(QStringLiteral("history.sqlite")); }
    QList<QByteArray> heard(const QStringList& args)
    {
        const CliRun run = runCli(QStringList{"heard", "--db", dbPath()} + args);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        QList<QByteArray> lines = run.out.split('\n');
        lines.removeAll(QByteArray());
        return lines;
    }

    QTemporaryDir m_dir;
};

// The recorded run, logged as the window and watch log it, read back.
TEST_F(CliHeardTest, JsonLinesHoldThePathAndItsVerdict)
{
    const QList<QByteArray> lines = heard({"--json"});
    ASSERT_EQ(lines.size(), 8);
    const QStringList keys{
        "kind",          "time",       "client",     "band",           "dial_mhz",
        "mode",          "snr",        "call",       "grid",           "lat",
        "lon",           "located_by", "km",         "bearing",        "midpoint",
        "needed_es_mhz", "station",    "station_km", "station_es_mhz", "page_time",
        "verdict",       "message"};
    for (const QByteArray& line : lines) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        EXPECT_EQ(object.keys().size(), keys.size()) << line.toStdString();
        for (const QString& key : keys)
            EXPECT_TRUE(object.contains(key)) << key.toStdString() << " in " << line.toStdString();
    }
    const QJsonObject ja6 = QJsonDocument::fromJson(lines[0]).object();
    EXPECT_EQ(ja6["kind"].toString(), QStringLiteral("heard"));
    EXPECT_EQ(ja6["time"].toString(), QStringLiteral("2026-06-14T01:30:00Z"));
    EXPECT_EQ(ja6["client"].toString(), QStringLiteral("WSJT-X"));
    EXPECT_EQ(ja6["band"].toString(), QStringLiteral("6m"));
    EXPECT_EQ(ja6["dial_mhz"].toDouble(), 50.313);
    EXPECT_EQ(ja6["call"].toString(), QStringLiteral("JA6ABC"));
    EXPECT_EQ(ja6["grid"].toString(), QStringLiteral("PM51"));
    EXPECT_EQ(ja6["located_by"].toString(), QStringLiteral("grid"));
    EXPECT_EQ(ja6["station"].toString(), QStringLiteral("to536"));
    EXPECT_EQ(ja6["station_es_mhz"].toDouble(), 15.3);
    EXPECT_EQ(ja6["verdict"].toString(), QStringLiteral("open"));
    EXPECT_GT(ja6["midpoint"].toObject()["lat"].toDouble(), 31);
    const auto bv2 = std::find_if(lines.begin(), lines.end(),
                                  [](const QByteArray& line) { return line.contains("BV2AB"); });
    ASSERT_NE(bv2, lines.end());
    const QJsonObject unplaced = QJsonDocument::fromJson(*bv2).object();
    for (const char* key : {"grid", "lat", "located_by", "km", "midpoint", "verdict"})
        EXPECT_TRUE(unplaced[QLatin1StringView(key)].isNull()) << key;
}

struct HeardCase {
    const char* name;
    QStringList args;
    int lines;
    const char* first; // "" for none
};
ONDREL_NAMED_CASE(HeardCase)

class CliHeardFilterTest : public CliHeardTest, public testing::WithParamInterface<HeardCase> {};

TEST_P(CliHeardFilterTest, TextLinesNarrowed)
{
    const QList<QByteArray> lines = heard(GetParam().args);
    EXPECT_EQ(lines.size(), GetParam().lines);
    EXPECT_EQ(lines.value(0).toStdString(), GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, CliHeardFilterTest,
    testing::Values(
        HeardCase{"All", {}, 8, "2026/06/14 10:30:00 JST  JA6ABC  PM51  6m  -9 dB  937 km  open"},
        HeardCase{"BandByMHz",
                  {"--band", "50"},
                  8,
                  "2026/06/14 10:30:00 JST  JA6ABC  PM51  6m  "
                  "-9 dB  937 km  open"},
        HeardCase{"OtherBand", {"--band", "2M"}, 0, ""},
        HeardCase{"SinceAfter", {"--since", "2026-06-14 10:31"}, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliHeard, BadOptionsAreUsageErrors)
{
    for (const QStringList& args :
         {QStringList{"heard", "--band", "7.5"}, QStringList{"heard", "--since", "soon"},
          QStringList{"heard", "--db", "/nonexistent/log.sqlite"}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("ondrel-cli: heard: ")) << run.err.toStdString();
    }
}

} // namespace
