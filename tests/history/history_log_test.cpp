// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_log.h"
#include "history/history_schema.h"
#include "support/history_records.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

namespace {

using historytest::page;

// A second connection to the log's file, as another program would have.
class RawDatabase {
public:
    explicit RawDatabase(const QString& path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kName);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawDatabase() { QSqlDatabase::removeDatabase(kName); }
    QVariant value(const QString& sql) const
    {
        QSqlQuery query(QSqlDatabase::database(kName));
        return query.exec(sql) && query.next() ? query.value(0) : QVariant();
    }
    bool exec(const QString& sql) const
    {
        return QSqlQuery(QSqlDatabase::database(kName)).exec(sql);
    }

private:
    static inline const QString kName = QStringLiteral("test-raw");
};

class HistoryLogTest : public testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("data/history.sqlite")); }
    int count(const HistoryLog& log) const { return static_cast<int>(log.read().size()); }

    QTemporaryDir m_dir;
    QStringList m_reports;
    HistoryLog m_log{path(), [this](const QString& line) { m_reports << line; }};
};

TEST_F(HistoryLogTest, NewLogIsCurrentLayoutInWalMode)
{
    ASSERT_TRUE(m_log.open()) << m_log.lastError().toStdString();
    RawDatabase raw(path());
    EXPECT_EQ(raw.value(QStringLiteral("PRAGMA user_version")).toInt(), kHistorySchemaVersion);
    EXPECT_EQ(raw.value(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    EXPECT_TRUE(m_reports.isEmpty());
}

TEST_F(HistoryLogTest, SamePageTimeIsLoggedOnce)
{
    ASSERT_TRUE(m_log.open());
    EXPECT_EQ(m_log.appendPage(page("2026/12/07 10:15 JST")), HistoryLog::Append::Written);
    EXPECT_EQ(m_log.appendPage(page("2026/12/07 10:15 JST")), HistoryLog::Append::SamePage);
    EXPECT_EQ(m_log.appendPage(page("2026/12/07 10:30 JST")), HistoryLog::Append::Written);
    EXPECT_EQ(count(m_log), 8);

    HistoryLog reopened(path()); // the last page time survives a restart
    ASSERT_TRUE(reopened.open());
    EXPECT_EQ(reopened.appendPage(page("2026/12/07 10:30 JST")), HistoryLog::Append::SamePage);
}

// The window and ondrel-cli watch log into one file: a page the other
// wrote is not written again, and both pages of either stay whole.
TEST_F(HistoryLogTest, TwoWritersLogEachPageOnce)
{
    ASSERT_TRUE(m_log.open());
    HistoryLog other(path());
    ASSERT_TRUE(other.open());
    EXPECT_EQ(m_log.appendPage(page("2026/12/07 10:15 JST")), HistoryLog::Append::Written);
    EXPECT_EQ(other.appendPage(page("2026/12/07 10:15 JST")), HistoryLog::Append::SamePage);
    EXPECT_EQ(other.appendPage(page("2026/12/07 10:30 JST")), HistoryLog::Append::Written);
    EXPECT_EQ(m_log.appendPage(page("2026/12/07 10:30 JST")), HistoryLog::Append::SamePage);
    EXPECT_EQ(count(m_log), 8);
}

TEST_F(HistoryLogTest, RecordsReadBackWithNullForMissingValues)
{
    ASSERT_TRUE(m_log.open());
    m_log.appendPage(page("2026/12/07 10:15 JST"));
    const std::vector<PageRecord> records = m_log.read();
    ASSERT_EQ(records.size(), 4u);
    const PageRecord& yamagawa = records[2];
    EXPECT_EQ(yamagawa.station, QStringLiteral("yg431"));
    EXPECT_EQ(yamagawa.texts[EsColumn], QStringLiteral("?"));
    EXPECT_FALSE(yamagawa.values[EsColumn].has_value());
    EXPECT_EQ(yamagawa.values[FmaxColumn], 7.1);
    EXPECT_EQ(records[1].values[EsColumn], 8.6);
    EXPECT_EQ(records[1].signalNames[EsColumn], QStringLiteral("BLINK-YELLOW-P"));
    EXPECT_EQ(records[0].pageTimeUtc, QDateTime(QDate(2026, 12, 7), QTime(1, 15), Qt::UTC));
    EXPECT_EQ(records[0].fetchedUtc, historytest::kFetched);
    RawDatabase raw(path());
    EXPECT_TRUE(raw.value(QStringLiteral("SELECT es FROM reading WHERE station='yg431'")).isNull());
}

TEST_F(HistoryLogTest, AFailingRowLeavesNoPartOfItsPage)
{
    ASSERT_TRUE(m_log.open());
    {
        RawDatabase raw(path());
        ASSERT_TRUE(raw.exec(
            QStringLiteral("CREATE TRIGGER fail BEFORE INSERT ON reading WHEN NEW.station = 'yg431'"
                           " BEGIN SELECT RAISE(ABORT, 'disk on fire'); END")));
    }
    EXPECT_EQ(m_log.appendPage(page("2026/12/07 10:15 JST")), HistoryLog::Append::Failed);
    EXPECT_EQ(count(m_log), 0);
    RawDatabase(path()).exec(QStringLiteral("DROP TRIGGER fail"));
    // Not taken for logged: the same page goes in whole next time.
    EXPECT_EQ(m_log.appendPage(page("2026/12/07 10:15 JST")), HistoryLog::Append::Written);
    EXPECT_EQ(count(m_log), 4);
}

TEST_F(HistoryLogTest, FiltersByInstantAndStation)
{
    ASSERT_TRUE(m_log.open());
    for (const char* time :
         {"2026/12/07 10:00 JST", "2026/12/07 10:15 JST", "2026/12/07 10:30 JST"})
        m_log.appendPage(page(QString::fromLatin1(time)));
    HistoryFilter filter;
    filter.since = QDateTime(QDate(2026, 12, 7), QTime(1, 15), Qt::UTC);
    filter.until = QDateTime(QDate(2026, 12, 7), QTime(1, 20), Qt::UTC);
    filter.station = QStringLiteral("TO536");
    const std::vector<PageRecord> records = m_log.read(filter);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].station, QStringLiteral("to536"));
    EXPECT_EQ(records[0].pageTime, QStringLiteral("2026/12/07 10:15 JST"));
}

TEST_F(HistoryLogTest, PruneRemovesOnlyOlderRecords)
{
    ASSERT_TRUE(m_log.open());
    m_log.appendPage(page("2026/11/01 10:00 JST"));
    m_log.appendPage(page("2026/12/07 10:00 JST"));
    EXPECT_EQ(m_log.prune(QDateTime(QDate(2026, 12, 1), QTime(0, 0), Qt::UTC)), 4);
    const std::vector<PageRecord> left = m_log.read();
    ASSERT_EQ(left.size(), 4u);
    EXPECT_EQ(left[0].pageTime, QStringLiteral("2026/12/07 10:00 JST"));
}

TEST_F(HistoryLogTest, FirstLayoutIsMigratedWithNumbersDerived)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    {
        RawDatabase raw(path());
        ASSERT_TRUE(raw.exec(
            QStringLiteral("CREATE TABLE readings (page_time TEXT, fetched_utc TEXT, station TEXT,"
                           " fmax TEXT, fmin TEXT, es TEXT)")));
        ASSERT_TRUE(raw.exec(QStringLiteral(
            "INSERT INTO readings VALUES ('2026/12/07 10:15 JST', '2026-12-07T01:16:00Z',"
            " 'to536', '6.2', '1.9', '8.6'), ('bad time', '2026-12-07T01:31:00Z', 'ok426',"
            " '7.4', '?', '4.8')")));
        ASSERT_TRUE(raw.exec(QStringLiteral("PRAGMA user_version = 1")));
    }
    ASSERT_TRUE(m_log.open()) << m_log.lastError().toStdString();
    EXPECT_EQ(RawDatabase(path()).value(QStringLiteral("PRAGMA user_version")).toInt(),
              kHistorySchemaVersion);
    const std::vector<PageRecord> records = m_log.read();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].values[EsColumn], 8.6);
    EXPECT_EQ(records[0].pageTimeUtc, QDateTime(QDate(2026, 12, 7), QTime(1, 15), Qt::UTC));
    EXPECT_FALSE(records[1].pageTimeUtc.has_value());
    EXPECT_FALSE(records[1].values[FminColumn].has_value());
    EXPECT_EQ(records[1].texts[FminColumn], QStringLiteral("?"));
    // The last page time is known after migration too.
    EXPECT_EQ(m_log.appendPage(page("bad time")), HistoryLog::Append::SamePage);
}

TEST_F(HistoryLogTest, CorruptFileIsMovedAsideAndANewLogStarted)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    const QByteArray garbage(8192, 'x');
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    ASSERT_TRUE(m_log.open()) << m_log.lastError().toStdString();
    EXPECT_EQ(m_log.appendPage(page("2026/12/07 10:15 JST")), HistoryLog::Append::Written);

    const QStringList aside = QDir(QFileInfo(path()).absolutePath())
                                  .entryList({QStringLiteral("history.sqlite.broken-*")});
    ASSERT_EQ(aside.size(), 1);
    QFile moved(QFileInfo(path()).absoluteDir().filePath(aside[0]));
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll(), garbage);
    ASSERT_EQ(m_reports.size(), 1);
    EXPECT_TRUE(m_reports[0].contains(aside[0]));
}

TEST_F(HistoryLogTest, NewerLayoutIsLeftAlone)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    RawDatabase(path()).exec(QStringLiteral("PRAGMA user_version = 99"));
    EXPECT_FALSE(m_log.open());
    EXPECT_TRUE(m_log.lastError().contains(u"newer"));
    EXPECT_EQ(RawDatabase(path()).value(QStringLiteral("PRAGMA user_version")).toInt(), 99);
}

TEST_F(HistoryLogTest, ReadOnlyOpenCreatesNothing)
{
    EXPECT_FALSE(m_log.open(HistoryLog::Mode::ReadOnly));
    EXPECT_FALSE(QFileInfo::exists(path()));
}

} // namespace
