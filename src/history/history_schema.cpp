// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_schema.h"

#include "core/page/page_time.h"
#include "history/page_record.h"

#include "core/text/number_text.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char* const kCreateVersion2[] = {
    "CREATE TABLE reading ("
    " id INTEGER PRIMARY KEY,"
    " page_time TEXT NOT NULL,"
    " page_time_utc TEXT,"
    " fetched_utc TEXT NOT NULL,"
    " station TEXT NOT NULL,"
    " fmax_text TEXT NOT NULL, fmin_text TEXT NOT NULL, es_text TEXT NOT NULL,"
    " fmax REAL, fmin REAL, es REAL,"
    " fmax_signal TEXT NOT NULL, fmin_signal TEXT NOT NULL, es_signal TEXT NOT NULL)",
    // Ranges and pruning go by the record's instant.
    "CREATE INDEX reading_instant ON reading (COALESCE(page_time_utc, fetched_utc))",
};

const char* const kCreateVersion3[] = {
    // One row per decode; a client that sends a decode again (a replay,
    // the window and watch both listening) is logged once.
    "CREATE TABLE heard ("
    " id INTEGER PRIMARY KEY,"
    " time_utc TEXT NOT NULL, client TEXT NOT NULL, band TEXT, dial_mhz REAL,"
    " mode TEXT NOT NULL, snr INTEGER NOT NULL, call TEXT NOT NULL, grid TEXT,"
    " located_by TEXT, lat REAL, lon REAL,"
    " km INTEGER, bearing REAL, mid_lat REAL, mid_lon REAL, needed_es REAL,"
    " station TEXT, station_km INTEGER, station_es REAL, page_time TEXT, verdict TEXT,"
    " message TEXT NOT NULL,"
    " UNIQUE (client, time_utc, message))",
    "CREATE INDEX heard_time ON heard (time_utc)",
    // When each client was on which band, so that a quiet hour tells
    // nothing heard apart from nobody listening.
    "CREATE TABLE listening ("
    " id INTEGER PRIMARY KEY,"
    " client TEXT NOT NULL, band TEXT, from_utc TEXT NOT NULL, until_utc TEXT NOT NULL)",
    "CREATE INDEX listening_client ON listening (client, until_utc)",
    "CREATE INDEX listening_until ON listening (until_utc)",
    "CREATE TABLE call_grid (call TEXT PRIMARY KEY, grid TEXT NOT NULL, seen_utc TEXT NOT NULL)",
};

QString run(QSqlQuery& query, const QString& sql)
{
    if (query.exec(sql))
        return {};
    return QStringLiteral("%1: %2").arg(sql.left(60), query.lastError().text());
}

template <std::size_t N>
QString runAll(QSqlDatabase& db, const char* const (&statements)[N])
{
    QSqlQuery query(db);
    for (const char* sql : statements) {
        if (QString error = run(query, QString::fromLatin1(sql)); !error.isEmpty())
            return error;
    }
    return {};
}

QString createVersion2(QSqlDatabase& db)
{
    return runAll(db, kCreateVersion2);
}

// Version 1 kept texts only; numbers and the page's UTC are derived now.
QString version1To2(QSqlDatabase& db)
{
    if (QString error = createVersion2(db); !error.isEmpty())
        return error;
    QSqlQuery read(db);
    if (QString error = run(read, QStringLiteral("SELECT page_time, fetched_utc, station, fmax, "
                                                 "fmin, es FROM readings ORDER BY rowid"));
        !error.isEmpty())
        return error;
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT INTO reading (page_time, page_time_utc, fetched_utc, station, fmax_text,"
        " fmin_text, es_text, fmax, fmin, es, fmax_signal, fmin_signal, es_signal)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '', '', '')"));
    while (read.next()) {
        const QString pageTime = read.value(0).toString();
        const std::optional<QDateTime> utc = pageTimeToUtc(pageTime);
        insert.bindValue(0, pageTime);
        insert.bindValue(1, utc ? QVariant(utcText(*utc)) : QVariant());
        insert.bindValue(2, read.value(1).toString());
        insert.bindValue(3, read.value(2).toString());
        for (int c = 0; c < 3; ++c) {
            const QString text = read.value(3 + c).toString();
            const std::optional<double> number = readingNumber(text);
            insert.bindValue(4 + c, text);
            insert.bindValue(7 + c, number ? QVariant(*number) : QVariant());
        }
        if (!insert.exec())
            return insert.lastError().text();
    }
    QSqlQuery drop(db);
    return run(drop, QStringLiteral("DROP TABLE readings"));
}

QString step(QSqlDatabase& db, int from)
{
    switch (from) {
    case 0: { // a new file starts at the current layout
        QString error = createVersion2(db);
        return error.isEmpty() ? runAll(db, kCreateVersion3) : error;
    }
    case 1:
        return version1To2(db);
    case 2:
        return runAll(db, kCreateVersion3);
    default:
        return QStringLiteral("no way up from layout %1").arg(from);
    }
}

} // namespace

int historySchemaVersion(QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

QString migrateHistory(QSqlDatabase& db)
{
    int version = historySchemaVersion(db);
    if (version < 0)
        return db.lastError().text();
    if (version > kHistorySchemaVersion)
        return QStringLiteral("layout %1 is newer than this program's %2")
            .arg(version)
            .arg(kHistorySchemaVersion);
    while (version < kHistorySchemaVersion) {
        const int next = version == 0 ? kHistorySchemaVersion : version + 1;
        if (!db.transaction())
            return db.lastError().text();
        QString error = step(db, version);
        QSqlQuery pragma(db);
        if (error.isEmpty())
            error = run(pragma, QStringLiteral("PRAGMA user_version = %1").arg(next));
        if (!error.isEmpty()) {
            db.rollback();
            return error;
        }
        if (!db.commit())
            return db.lastError().text();
        version = next;
    }
    return {};
}
