// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/heard_session.h"
#include "history/heard_activity.h"
#include "history/heard_record.h"
#include "history/heard_recorder.h"
#include "history/history_log.h"
#include "history/history_schema.h"
#include "history/logged_readings.h"
#include "reach/maidenhead.h"
#include "support/history_records.h"
#include "support/named_case.h"
#include "support/recorded_heard.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDateTime kSlot(QDate(2026, 6, 14), QTime(1, 30), Qt::UTC);

class HeardLogTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_log.open()) << m_log.lastError().toStdString(); }
    QString path() const { return m_dir.filePath(QStringLiteral("history.sqlite")); }

    QTemporaryDir m_dir;
    HistoryLog m_log{path()};
};

// A log of the layout before (pages only) opens with its pages and gains
// the heard tables.
TEST(HeardLogUpgrade, SecondLayoutKeepsItsPages)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        HistoryLog log(path);
        ASSERT_TRUE(log.open());
        log.appendPage(historytest::page(QStringLiteral("2026/12/07 10:15 JST")));
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "layout2");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        for (const char* sql : {"DROP TABLE heard", "DROP TABLE listening", "DROP TABLE call_grid",
                                "PRAGMA user_version = 2"})
            ASSERT_TRUE(QSqlQuery(db).exec(QString::fromLatin1(sql))) << sql;
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("layout2"));

    HistoryLog log(path);
    ASSERT_TRUE(log.open()) << log.lastError().toStdString();
    EXPECT_EQ(log.read().size(), 4u);
    EXPECT_EQ(log.appendPage(historytest::page(QStringLiteral("2026/12/07 10:15 JST"))),
              HistoryLog::Append::SamePage);
    HeardStation heard;
    heard.time = kSlot;
    heard.client = QStringLiteral("WSJT-X");
    heard.call = QStringLiteral("JA6ABC");
    heard.message = QStringLiteral("CQ JA6ABC PM51");
    EXPECT_TRUE(log.appendHeard(heard)) << log.lastError().toStdString();
    EXPECT_EQ(log.readHeard().size(), 1u);
    HistoryLog readOnly(path);
    EXPECT_TRUE(readOnly.open(HistoryLog::Mode::ReadOnly)) << readOnly.lastError().toStdString();
}

struct BeatCase {
    const char* name;
    // Beats: client, band, seconds after the slot.
    std::vector<std::tuple<const char*, const char*, int>> beats;
    // Runs: client, band, from, until (seconds after the slot).
    std::vector<std::tuple<const char*, const char*, int, int>> runs;
};
ONDREL_NAMED_CASE(BeatCase)

class ListeningTest : public HeardLogTest, public testing::WithParamInterface<BeatCase> {};

TEST_P(ListeningTest, BeatsExtendARunOnOneBand)
{
    for (const auto& [client, band, at] : GetParam().beats)
        ASSERT_TRUE(m_log.extendListening(QString::fromLatin1(client), QString::fromLatin1(band),
                                          kSlot.addSecs(at)));
    QStringList runs;
    for (const ListeningRecord& run : m_log.readListening())
        runs << QStringLiteral("%1 %2 %3-%4")
                    .arg(run.client, run.band)
                    .arg(kSlot.secsTo(run.from))
                    .arg(kSlot.secsTo(run.until));
    QStringList expected;
    for (const auto& [client, band, from, until] : GetParam().runs)
        expected << QStringLiteral("%1 %2 %3-%4").arg(client, band).arg(from).arg(until);
    EXPECT_EQ(runs, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Beats, ListeningTest,
    testing::Values(BeatCase{"EveryQuarterMinute",
                             {{"W", "6m", 0}, {"W", "6m", 15}, {"W", "6m", 30}},
                             {{"W", "6m", 0, 30}}},
                    BeatCase{"SilenceEndsARun",
                             {{"W", "6m", 0}, {"W", "6m", 120}, {"W", "6m", 241}},
                             {{"W", "6m", 0, 120}, {"W", "6m", 241, 241}}},
                    BeatCase{"NewBandNewRun",
                             {{"W", "6m", 0}, {"W", "2m", 15}, {"W", "6m", 30}},
                             {{"W", "6m", 0, 0}, {"W", "2m", 15, 15}, {"W", "6m", 30, 30}}},
                    BeatCase{"ClientsApart",
                             {{"W", "6m", 0}, {"J", "6m", 10}, {"W", "6m", 15}, {"J", "", 20}},
                             {{"W", "6m", 0, 15}, {"J", "6m", 10, 10}, {"J", "", 20, 20}}},
                    BeatCase{"LateBeatChangesNothing",
                             {{"W", "6m", 0}, {"W", "6m", 30}, {"W", "6m", 15}},
                             {{"W", "6m", 0, 30}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HeardLogTest, ReadListeningByOverlapAndBand)
{
    m_log.extendListening(QStringLiteral("W"), QStringLiteral("6m"), kSlot);
    m_log.extendListening(QStringLiteral("W"), QStringLiteral("6m"), kSlot.addSecs(60));
    m_log.extendListening(QStringLiteral("W"), QStringLiteral("2m"), kSlot.addSecs(90));
    HeardFilter filter;
    filter.since = kSlot.addSecs(30);
    filter.band = QStringLiteral("6m");
    ASSERT_EQ(m_log.readListening(filter).size(), 1u);
    filter.since = kSlot.addSecs(61);
    EXPECT_TRUE(m_log.readListening(filter).empty());
}

// The recorded run, twice: each decode logged once with its path, the
// grids calls sent kept, and a restart places those calls again.
TEST_F(HeardLogTest, RecordedRunLoggedOnceWithGrids)
{
    heardtest::logCapture(QStringLiteral("wsjtx-2.6.1"), m_log);
    heardtest::logCapture(QStringLiteral("wsjtx-2.6.1"), m_log);
    const std::vector<HeardRecord> heard = m_log.readHeard();
    ASSERT_EQ(heard.size(), 8u);
    const HeardRecord& ja6 = heard.front();
    EXPECT_EQ(ja6.message, QStringLiteral("CQ JA6ABC PM51"));
    EXPECT_EQ(ja6.time, kSlot);
    EXPECT_EQ(ja6.band, QStringLiteral("6m"));
    EXPECT_EQ(ja6.dialMHz, 50.313);
    EXPECT_EQ(ja6.grid, QStringLiteral("PM51"));
    EXPECT_EQ(ja6.station, QStringLiteral("to536"));
    EXPECT_EQ(ja6.stationEs, 15.3);
    EXPECT_EQ(ja6.verdict, QStringLiteral("open"));
    EXPECT_EQ(ja6.pageTime, QStringLiteral("2026/06/14 10:15 JST"));
    ASSERT_TRUE(ja6.km && ja6.neededEs && ja6.midLat);
    EXPECT_NEAR(*ja6.km, 890, 60);
    const auto bv = std::find_if(heard.begin(), heard.end(),
                                 [](const HeardRecord& r) { return r.call == "BV2AB"; });
    ASSERT_NE(bv, heard.end());
    EXPECT_FALSE(bv->lat || bv->km) << "no country file: not placed";
    EXPECT_TRUE(bv->locatedBy.isEmpty());
    EXPECT_FALSE(m_log.readListening().empty());

    const CallLocator locator{std::optional<CountryFile>()};
    HeardSession restarted(locator);
    HeardRecorder recorder(restarted, [this] { return &m_log; });
    EXPECT_EQ(restarted.grids().entries().size(), 5);
    EXPECT_EQ(restarted.grids().gridOf(QStringLiteral("JR6DEF")), QStringLiteral("PL36"));
}

// What the map takes back from the log for an older reading: each record
// read back as a station and kept again gives the same record.
TEST_F(HeardLogTest, RecordsReadBackAsTheStationsTheyKeep)
{
    heardtest::logCapture(QStringLiteral("wsjtx-2.6.1"), m_log);
    for (const HeardRecord& record : m_log.readHeard()) {
        const HeardStation station = heardStationOf(record);
        EXPECT_EQ(heardRecordOf(station).verdict, record.verdict) << record.call.toStdString();
        EXPECT_EQ(heardRecordOf(station).locatedBy, record.locatedBy);
        EXPECT_EQ(heardRecordOf(station).station, record.station);
        EXPECT_EQ(heardRecordOf(station).band, record.band);
        EXPECT_EQ(heardRecordOf(station).km, record.km);
    }
}

// The recorded run as the model check and the chart take it: eight
// decodes on 6 m in the 01:30 slot, WSJT-X listening, and the map (国 at
// 15.3 MHz, 76 km from Tokyo) said open: one hit.
TEST_F(HeardLogTest, RecordedRunIsActivityOnSixMetres)
{
    heardtest::logCapture(QStringLiteral("wsjtx-2.6.1"), m_log);
    const std::vector<Activity> activity = loggedActivity(m_log, {});
    EXPECT_EQ(std::ranges::count_if(activity,
                                    [](const Activity& a) {
                                        return a.kind == ActivityKind::Decode && a.bandMHz == 50;
                                    }),
              8);
    EXPECT_TRUE(std::ranges::any_of(
        activity, [](const Activity& a) { return a.kind == ActivityKind::Status; }));
    ReadingTimeline readings;
    for (const EsReading& reading : loggedReadings(m_log.read()))
        readings.add(reading);
    EsReading page;
    page.pageTime = QStringLiteral("2026/06/14 10:15 JST");
    page.es = {QStringLiteral("3.0"), QStringLiteral("15.3"), QStringLiteral("4.0"),
               QStringLiteral("4.0")};
    readings.add(page);
    const ModelCheck check =
        checkModel(activity, 50, *locatorCentre(QStringLiteral("PM95vq")), readings);
    EXPECT_EQ(check.slotsOnBand, 1);
    EXPECT_EQ(check.map.hits, 1);

    const SlotCounts counts =
        decodeSlots(m_log, kSlot.toSecsSinceEpoch() - 3600, kSlot.toSecsSinceEpoch() + 3600);
    EXPECT_EQ(counts[1].at(kSlot.toSecsSinceEpoch()), 8);
    EXPECT_TRUE(counts[0].empty());
}

TEST_F(HeardLogTest, NewerGridStays)
{
    ASSERT_TRUE(m_log.saveGrid(QStringLiteral("JA6ABC"), QStringLiteral("PM51"), kSlot));
    ASSERT_TRUE(
        m_log.saveGrid(QStringLiteral("JA6ABC"), QStringLiteral("PM52"), kSlot.addSecs(-60)));
    GridMemory memory;
    m_log.loadGrids(memory);
    EXPECT_EQ(memory.gridOf(QStringLiteral("JA6ABC")), QStringLiteral("PM51"));
}

TEST_F(HeardLogTest, FilterAndPruneByTimeAndBand)
{
    heardtest::logCapture(QStringLiteral("wsjtx-2.6.1"), m_log);
    HeardFilter filter;
    filter.band = QStringLiteral("2m");
    EXPECT_TRUE(m_log.readHeard(filter).empty());
    filter = {kSlot, kSlot, QStringLiteral("6m")};
    EXPECT_EQ(m_log.readHeard(filter).size(), 8u);
    filter = {kSlot.addSecs(1), std::nullopt, QString()};
    EXPECT_TRUE(m_log.readHeard(filter).empty());

    m_log.appendPage(historytest::page(QStringLiteral("2026/12/07 10:15 JST")));
    EXPECT_GT(m_log.prune(kSlot.addSecs(3600)), 8);
    EXPECT_TRUE(m_log.readHeard().empty());
    EXPECT_TRUE(m_log.readListening().empty());
    GridMemory memory;
    m_log.loadGrids(memory);
    EXPECT_TRUE(memory.entries().isEmpty());
    EXPECT_EQ(m_log.read().size(), 4u) << "a later page stays";
}

} // namespace
