// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_log.h"

#include "history/history_schema.h"
#include "history/sql_values.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <cstdio>

namespace {

const QString kDriver = QStringLiteral("QSQLITE");
const char kInstant[] = "COALESCE(page_time_utc, fetched_utc)";
const char kColumns[] = "page_time, page_time_utc, fetched_utc, station, fmax_text, fmin_text,"
                        " es_text, fmax, fmin, es, fmax_signal, fmin_signal, es_signal";

QString uniqueConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("ondrel-history-%1").arg(counter.fetchAndAddRelaxed(1));
}

void toStandardError(const QString& line)
{
    std::fprintf(stderr, "ondrel: %s\n", line.toLocal8Bit().constData());
}

PageRecord recordAt(const QSqlQuery& q)
{
    PageRecord r;
    r.pageTime = q.value(0).toString();
    if (!q.value(1).isNull())
        r.pageTimeUtc = utcFromText(q.value(1).toString());
    r.fetchedUtc = utcFromText(q.value(2).toString()).value_or(QDateTime());
    r.station = q.value(3).toString();
    for (int c = 0; c < 3; ++c) {
        r.texts[c] = q.value(4 + c).toString();
        r.values[c] = numberOf(q.value(7 + c));
        r.signalNames[c] = q.value(10 + c).toString();
    }
    return r;
}

} // namespace

HistoryLog::HistoryLog(QString path, Report report)
    : m_path(std::move(path)), m_report(report ? std::move(report) : Report(toStandardError)),
      m_connection(uniqueConnectionName())
{
}

HistoryLog::~HistoryLog()
{
    closeConnection();
}

QSqlDatabase HistoryLog::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

void HistoryLog::fail(const QString& error)
{
    m_lastError = error;
}

bool HistoryLog::run(QSqlQuery& query)
{
    if (query.exec())
        return true;
    fail(query.lastError().text());
    return false;
}

// Takes the write lock first: the window and `watch` may write at once.
bool HistoryLog::runInTransaction(const std::function<bool()>& steps)
{
    QSqlDatabase db = database();
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        fail(begin.lastError().text());
        return false;
    }
    QSqlQuery commit(db);
    if (steps() && commit.exec(QStringLiteral("COMMIT")))
        return true;
    if (commit.lastError().isValid())
        fail(commit.lastError().text());
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    return false;
}

bool HistoryLog::openConnection(Mode mode)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(mode == Mode::ReadOnly
                             ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=3000")
                             : QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    if (!db.open()) {
        fail(db.lastError().text());
        return false;
    }
    return true;
}

void HistoryLog::closeConnection()
{
    m_open = false;
    if (!QSqlDatabase::contains(m_connection))
        return;
    database().close();
    QSqlDatabase::removeDatabase(m_connection);
}

// Whether the file reads as a sound database of a layout this program can use.
bool HistoryLog::readable(Mode mode)
{
    m_openFailure = OpenFailure::Other;
    QSqlDatabase db = database();
    QSqlQuery check(db);
    const bool sound = check.exec(QStringLiteral("PRAGMA quick_check")) && check.next() &&
                       check.value(0).toString() == u"ok";
    if (!sound) {
        fail(QStringLiteral("not a sound database: %1")
                 .arg(check.lastError().isValid() ? check.lastError().text()
                                                  : check.value(0).toString()));
        m_openFailure = OpenFailure::NotALog;
        return false;
    }
    check.finish(); // ends the read so the journal mode can change
    if (mode == Mode::ReadOnly) {
        const int version = historySchemaVersion(db);
        if (version == kHistorySchemaVersion)
            return true;
        if (version <= 0) {
            // Every layout the program ever wrote has a version.
            fail(QStringLiteral("a database without the log's tables"));
            m_openFailure = OpenFailure::NotALog;
        } else if (version > kHistorySchemaVersion) {
            fail(QStringLiteral("layout %1 of a newer Ondrel, this program reads %2")
                     .arg(version)
                     .arg(kHistorySchemaVersion));
        } else {
            fail(QStringLiteral("layout %1, this program reads %2 (start Ondrel once to upgrade)")
                     .arg(version)
                     .arg(kHistorySchemaVersion));
        }
        return false;
    }
    // Without WAL the log still works, only readers wait for writers.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    return true;
}

bool HistoryLog::moveAside()
{
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmssZ"));
    QString aside = QStringLiteral("%1.broken-%2").arg(m_path, stamp);
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = QStringLiteral("%1.broken-%2-%3").arg(m_path, stamp).arg(n);
    if (!QFile::rename(m_path, aside)) {
        m_report(QStringLiteral("history: %1 cannot be read (%2) nor moved aside; not logging")
                     .arg(m_path, m_lastError));
        return false;
    }
    for (const char* suffix : {"-wal", "-shm"}) {
        if (QFileInfo::exists(m_path + QLatin1StringView(suffix)))
            QFile::rename(m_path + QLatin1StringView(suffix), aside + QLatin1StringView(suffix));
    }
    m_report(QStringLiteral("history: %1 could not be read (%2); moved it to %3 and started a "
                            "new log")
                 .arg(m_path, m_lastError, aside));
    return true;
}

bool HistoryLog::open(Mode mode)
{
    closeConnection();
    m_pages = NewPageCheck();
    m_openFailure = OpenFailure::Other;
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        fail(QStringLiteral("the Qt SQLite driver is not installed (libqt6sql6-sqlite)"));
        return false;
    }
    if (mode == Mode::ReadOnly && !QFileInfo(m_path).isFile()) {
        fail(QStringLiteral("%1: no such file").arg(m_path));
        return false;
    }
    if (mode == Mode::ReadWrite)
        QDir().mkpath(QFileInfo(m_path).absolutePath());
    bool ok = openConnection(mode) && readable(mode);
    if (!ok && mode == Mode::ReadWrite && QFileInfo(m_path).isFile()) {
        closeConnection();
        ok = moveAside() && openConnection(mode) && readable(mode);
    }
    if (ok && mode == Mode::ReadWrite) {
        QSqlDatabase db = database();
        const QString error = migrateHistory(db);
        if (!error.isEmpty()) {
            fail(error);
            ok = false;
        }
    }
    if (!ok) {
        closeConnection();
        return false;
    }
    m_openFailure = OpenFailure::None;
    m_open = true;
    QSqlQuery last(database());
    if (last.exec(QStringLiteral("SELECT page_time FROM reading ORDER BY id DESC LIMIT 1")) &&
        last.next())
        m_pages.seen(last.value(0).toString());
    return true;
}

HistoryLog::Append HistoryLog::appendPage(const std::vector<PageRecord>& records)
{
    if (!m_open || records.empty())
        return Append::Failed;
    if (!m_pages.isNew(records.front().pageTime))
        return Append::SamePage;
    QSqlDatabase db = database();
    // Another program (the window, ondrel-cli watch) may log into the same
    // file: take the write lock first, then ask which page it logged last.
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        fail(begin.lastError().text());
        return Append::Failed;
    }
    QSqlQuery last(db);
    if (last.exec(QStringLiteral("SELECT page_time FROM reading ORDER BY id DESC LIMIT 1")) &&
        last.next())
        m_pages.seen(last.value(0).toString());
    last.finish();
    if (!m_pages.isNew(records.front().pageTime)) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return Append::SamePage;
    }
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO reading (%1) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)")
                       .arg(QLatin1StringView(kColumns)));
    for (const PageRecord& r : records) {
        insert.bindValue(0, r.pageTime);
        insert.bindValue(1, r.pageTimeUtc ? QVariant(utcText(*r.pageTimeUtc))
                                          : QVariant(QMetaType::fromType<QString>()));
        insert.bindValue(2, utcText(r.fetchedUtc));
        insert.bindValue(3, r.station);
        for (int c = 0; c < 3; ++c) {
            insert.bindValue(4 + c, r.texts[c]);
            insert.bindValue(7 + c, optionalNumber(r.values[c]));
            insert.bindValue(10 + c, r.signalNames[c]);
        }
        if (!insert.exec()) {
            fail(insert.lastError().text());
            insert.finish();
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return Append::Failed;
        }
    }
    insert.finish();
    QSqlQuery commit(db);
    if (!commit.exec(QStringLiteral("COMMIT"))) {
        fail(commit.lastError().text());
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return Append::Failed;
    }
    m_pages.seen(records.front().pageTime);
    return Append::Written;
}

int HistoryLog::prune(const QDateTime& cutoffUtc)
{
    if (!m_open)
        return -1;
    const QString instant = QLatin1StringView(kInstant);
    const QString deletes[] = {
        QStringLiteral("DELETE FROM reading WHERE %1 < ?").arg(instant),
        QStringLiteral("DELETE FROM heard WHERE time_utc < ?"),
        QStringLiteral("DELETE FROM listening WHERE until_utc < ?"),
        QStringLiteral("DELETE FROM call_grid WHERE seen_utc < ?"),
    };
    int removed = 0;
    const bool done = runInTransaction([&] {
        for (const QString& sql : deletes) {
            QSqlQuery query(database());
            query.prepare(sql);
            query.bindValue(0, utcText(cutoffUtc));
            if (!run(query))
                return false;
            removed += query.numRowsAffected();
        }
        return true;
    });
    return done ? removed : -1;
}

std::vector<PageRecord> HistoryLog::read(const HistoryFilter& filter) const
{
    std::vector<PageRecord> records;
    if (!m_open)
        return records;
    QStringList where{QStringLiteral("1")};
    QVariantList bound;
    const QString instant = QLatin1StringView(kInstant);
    if (filter.since) {
        where << instant + QStringLiteral(" >= ?");
        bound << utcText(*filter.since);
    }
    if (filter.until) {
        where << instant + QStringLiteral(" <= ?");
        bound << utcText(*filter.until);
    }
    if (!filter.station.isEmpty()) {
        where << QStringLiteral("station = ?");
        bound << filter.station.toLower();
    }
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT %1 FROM reading WHERE %2 ORDER BY %3, id")
            .arg(QLatin1StringView(kColumns), where.join(QStringLiteral(" AND ")), instant));
    for (int i = 0; i < bound.size(); ++i)
        query.bindValue(i, bound.at(i));
    if (!query.exec())
        return records;
    while (query.next())
        records.push_back(recordAt(query));
    return records;
}

QString defaultHistoryPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("history.sqlite"));
}
