// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_log.h"
#include "support/cli_runner.h"
#include "support/file_contents.h"
#include "support/history_records.h"
#include "support/named_case.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CliHistoryTest : public testing::Test {
protected:
    void SetUp() override
    {
        HistoryLog log(dbPath());
        ASSERT_TRUE(log.open());
        log.appendPage(historytest::page(QStringLiteral("2026/12/07 10:15 JST")));
        log.appendPage(historytest::page(QStringLiteral("2026/12/08 10:15 JST"),
                                         {"4.0", "5.0", "6.0", "7.0"}));
    }
    QString dbPath() const { return m_dir.filePath(QStringLiteral("history.sqlite")); }
    CliRun history(QStringList args)
    {
        args.prepend(dbPath());
        args.prepend(QStringLiteral("--db"));
        args.prepend(QStringLiteral("history"));
        return runCli(args);
    }
    static QList<QByteArray> lines(const QByteArray& out)
    {
        QList<QByteArray> all = out.split('\n');
        if (!all.isEmpty() && all.last().isEmpty())
            all.removeLast();
        return all;
    }

    QTemporaryDir m_dir;
};

TEST_F(CliHistoryTest, CsvHasAHeaderAndOneRowPerStationAndPage)
{
    const CliRun run = history({});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<QByteArray> rows = lines(run.out);
    ASSERT_EQ(rows.size(), 9);
    EXPECT_EQ(rows[0], "page_time,page_time_utc,fetched_utc,station,fmax_text,fmin_text,es_text,"
                       "fmax,fmin,es,fmax_signal,fmin_signal,es_signal\r");
    EXPECT_EQ(rows[3], "2026/12/07 10:15 JST,2026-12-07T01:15:00Z,2026-12-07T01:16:00Z,yg431,"
                       "7.1,1.2,?,7.1,1.2,,GREEN,GREEN,UNDEFINE\r");
}

TEST_F(CliHistoryTest, StationAndDatesNarrowTheRows)
{
    const CliRun run = history({"--station", "ok426", "--since", "2026-12-08"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<QByteArray> rows = lines(run.out);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[1].startsWith("2026/12/08 10:15 JST,")) << rows[1].toStdString();
    EXPECT_TRUE(rows[1].contains(",ok426,"));
}

TEST_F(CliHistoryTest, JsonIsOneObjectPerLineWithNulls)
{
    const CliRun run = history({"--json", "--until", "2026-12-07", "--station", "YG431"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<QByteArray> rows = lines(run.out);
    ASSERT_EQ(rows.size(), 1);
    const QJsonObject object = QJsonDocument::fromJson(rows[0]).object();
    EXPECT_EQ(object.value(QStringLiteral("station")).toString(), QStringLiteral("yg431"));
    EXPECT_EQ(object.value(QStringLiteral("fmax")).toDouble(), 7.1);
    EXPECT_TRUE(object.value(QStringLiteral("es")).isNull());
    EXPECT_EQ(object.value(QStringLiteral("es_text")).toString(), QStringLiteral("?"));
}

// --station takes the names watch prints and the log's codes, in any case.
struct StationCase {
    const char* name;
    const char* given;
    QByteArray code;
};
ONDREL_NAMED_CASE(StationCase)

class CliHistoryStationTest : public CliHistoryTest,
                              public testing::WithParamInterface<StationCase> {};

TEST_P(CliHistoryStationTest, KeepsThatStationOnly)
{
    const CliRun run = history({"--station", GetParam().given});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<QByteArray> rows = lines(run.out).mid(1);
    ASSERT_EQ(rows.size(), 2);
    for (const QByteArray& row : rows)
        EXPECT_TRUE(row.contains(',' + GetParam().code + ',')) << row.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Names, CliHistoryStationTest,
                         testing::Values(StationCase{"Name", "wakkanai", "wk546"},
                                         StationCase{"NameMixedCase", "KokuBunji", "to536"},
                                         StationCase{"LastName", "OGIMI", "ok426"},
                                         StationCase{"Code", "yg431", "yg431"},
                                         StationCase{"CodeUpperCase", "TO536", "to536"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Files that are no history log, each told in one sentence naming it.
struct NotALogCase {
    const char* name;
    QByteArray content;
};
ONDREL_NAMED_CASE(NotALogCase)

class CliHistoryNotALogTest : public testing::TestWithParam<NotALogCase> {};

TEST_P(CliHistoryNotALogTest, SaysSoAndNamesTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.sqlite"));
    writeAll(path, GetParam().content);
    const CliRun run = runCli({"history", "--db", path});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    const QByteArray start =
        "ondrel-cli: history: " + path.toUtf8() + " is not an Ondrel history log (";
    EXPECT_TRUE(run.err.startsWith(start)) << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith(").\n")) << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1);
    EXPECT_EQ(readAll(path), GetParam().content);
}

INSTANTIATE_TEST_SUITE_P(Files, CliHistoryNotALogTest,
                         testing::Values(NotALogCase{"Text", "page_time,station\r\n"},
                                         NotALogCase{"DamagedHeader",
                                                     "SQLite format 3" + QByteArray(4000, '\x5a')},
                                         NotALogCase{"EmptyFile", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// Pages a second apart around 10:31 JST; each bound takes its own second.
struct BoundCase {
    const char* name;
    QStringList args;
    QStringList pageTimes;
};
ONDREL_NAMED_CASE(BoundCase)

class CliHistoryBoundTest : public testing::TestWithParam<BoundCase> {};

TEST_P(CliHistoryBoundTest, TimesAreInclusiveToTheSecond)
{
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("history.sqlite"));
    {
        HistoryLog log(db);
        ASSERT_TRUE(log.open());
        for (const char* time : {"10:30:59", "10:31:00", "10:31:01"})
            log.appendPage(historytest::page(QStringLiteral("2026/12/07 %1 JST").arg(time)));
    }
    const CliRun run =
        runCli(QStringList{"history", "--db", db, "--station", "wk546"} + GetParam().args);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList pageTimes;
    for (const QByteArray& row : run.out.split('\n').mid(1, run.out.count('\n') - 1))
        pageTimes << QString::fromUtf8(row.left(row.indexOf(',')));
    EXPECT_EQ(pageTimes, GetParam().pageTimes);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, CliHistoryBoundTest,
    testing::Values(
        BoundCase{"UntilJstMinute",
                  {"--until", "2026-12-07 10:31"},
                  {"2026/12/07 10:30:59 JST", "2026/12/07 10:31:00 JST"}},
        BoundCase{"SinceJstMinute",
                  {"--since", "2026-12-07 10:31"},
                  {"2026/12/07 10:31:00 JST", "2026/12/07 10:31:01 JST"}},
        BoundCase{"UntilUtc", {"--until", "2026-12-07T01:30:59Z"}, {"2026/12/07 10:30:59 JST"}},
        BoundCase{
            "SinceOffset", {"--since", "2026-12-07T10:31:01+09:00"}, {"2026/12/07 10:31:01 JST"}},
        BoundCase{"BothOnOneSecond",
                  {"--since", "2026-12-07T01:31Z", "--until", "2026-12-07T10:31+09:00"},
                  {"2026/12/07 10:31:00 JST"}},
        BoundCase{
            "WholeDay",
            {"--since", "2026-12-07", "--until", "2026-12-07"},
            {"2026/12/07 10:30:59 JST", "2026/12/07 10:31:00 JST", "2026/12/07 10:31:01 JST"}},
        BoundCase{"DayBefore", {"--until", "2026-12-06"}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct HistoryUsageCase {
    const char* name;
    QStringList args;
};
ONDREL_NAMED_CASE(HistoryUsageCase)

class CliHistoryUsageTest : public CliHistoryTest,
                            public testing::WithParamInterface<HistoryUsageCase> {};

TEST_P(CliHistoryUsageTest, IsAUsageError)
{
    const CliRun run = history(GetParam().args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(run.err.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliHistoryUsageTest,
    testing::Values(HistoryUsageCase{"UnknownStation", {"--station", "xx999"}},
                    HistoryUsageCase{"BadDate", {"--since", "yesterday"}},
                    HistoryUsageCase{"MissingValue", {"--until"}},
                    HistoryUsageCase{"BothFormats", {"--csv", "--json"}},
                    HistoryUsageCase{"SinceAfterUntil",
                                     {"--since", "2026-12-08", "--until", "2026-12-07 23:59"}},
                    HistoryUsageCase{"UnknownOption", {"--all"}},
                    HistoryUsageCase{"NoSuchDatabase", {"--db", "/nonexistent/history.sqlite"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
