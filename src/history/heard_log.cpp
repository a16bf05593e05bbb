// SPDX-License-Identifier: GPL-3.0-or-later
// The heard part of the history log: decodes, runs of listening, grids.
#include "heard/grid_memory.h"
#include "heard/heard_station.h"
#include "history/history_log.h"
#include "history/sql_values.h"

#include <QSqlQuery>
#include <QStringList>

namespace {

const char kHeardColumns[] =
    "time_utc, client, band, dial_mhz, mode, snr, call, grid, located_by, lat, lon, km, bearing,"
    " mid_lat, mid_lon, needed_es, station, station_km, station_es, page_time, verdict, message";

QVariantList heardValues(const HeardRecord& r)
{
    return {utcText(r.time),
            requiredText(r.client),
            optionalText(r.band),
            optionalNumber(r.dialMHz),
            requiredText(r.mode),
            r.snr,
            requiredText(r.call),
            optionalText(r.grid),
            optionalText(r.locatedBy),
            optionalNumber(r.lat),
            optionalNumber(r.lon),
            optionalNumber(r.km),
            optionalNumber(r.bearing),
            optionalNumber(r.midLat),
            optionalNumber(r.midLon),
            optionalNumber(r.neededEs),
            optionalText(r.station),
            optionalNumber(r.stationKm),
            optionalNumber(r.stationEs),
            optionalText(r.pageTime),
            optionalText(r.verdict),
            requiredText(r.message)};
}

HeardRecord heardRecordAt(const QSqlQuery& q)
{
    HeardRecord r;
    r.time = utcFromText(q.value(0).toString()).value_or(QDateTime());
    r.client = q.value(1).toString();
    r.band = q.value(2).toString();
    r.dialMHz = numberOf(q.value(3));
    r.mode = q.value(4).toString();
    r.snr = q.value(5).toInt();
    r.call = q.value(6).toString();
    r.grid = q.value(7).toString();
    r.locatedBy = q.value(8).toString();
    r.lat = numberOf(q.value(9));
    r.lon = numberOf(q.value(10));
    r.km = wholeNumberOf(q.value(11));
    r.bearing = numberOf(q.value(12));
    r.midLat = numberOf(q.value(13));
    r.midLon = numberOf(q.value(14));
    r.neededEs = numberOf(q.value(15));
    r.station = q.value(16).toString();
    r.stationKm = wholeNumberOf(q.value(17));
    r.stationEs = numberOf(q.value(18));
    r.pageTime = q.value(19).toString();
    r.verdict = q.value(20).toString();
    r.message = q.value(21).toString();
    return r;
}

// "WHERE …" of `filter` for rows that run from `startColumn` to
// `endColumn`, and the values it binds.
std::pair<QString, QVariantList> whereOf(const HeardFilter& filter, const QString& startColumn,
                                         const QString& endColumn)
{
    QStringList where{QStringLiteral("1")};
    QVariantList bound;
    if (filter.since) {
        where << endColumn + QStringLiteral(" >= ?");
        bound << utcText(*filter.since);
    }
    if (filter.until) {
        where << startColumn + QStringLiteral(" <= ?");
        bound << utcText(*filter.until);
    }
    if (!filter.band.isEmpty()) {
        where << QStringLiteral("band = ?");
        bound << filter.band;
    }
    return {QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND ")), bound};
}

void bindAll(QSqlQuery& query, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
}

} // namespace

bool HistoryLog::appendHeard(const HeardStation& station)
{
    if (!m_open)
        return false;
    const QVariantList values = heardValues(heardRecordOf(station));
    QSqlQuery insert(database());
    insert.prepare(QStringLiteral("INSERT OR IGNORE INTO heard (%1) VALUES (?%2)")
                       .arg(QLatin1StringView(kHeardColumns),
                            QStringLiteral(",?").repeated(values.size() - 1)));
    bindAll(insert, values);
    return run(insert);
}

bool HistoryLog::extendListening(const QString& client, const QString& band, const QDateTime& atUtc)
{
    if (!m_open)
        return false;
    const QString at = utcText(atUtc);
    return runInTransaction([&] {
        QSqlQuery last(database());
        last.prepare(QStringLiteral("SELECT id, band, until_utc FROM listening WHERE client = ?"
                                    " ORDER BY until_utc DESC, id DESC LIMIT 1"));
        last.bindValue(0, requiredText(client));
        if (!run(last))
            return false;
        const bool sameBand = last.next() && last.value(1).toString() == band;
        const QVariant id = sameBand ? last.value(0) : QVariant();
        const QDateTime until =
            sameBand ? utcFromText(last.value(2).toString()).value_or(QDateTime()) : QDateTime();
        last.finish();
        QSqlQuery write(database());
        if (sameBand) {
            const qint64 gap = until.secsTo(atUtc);
            if (gap <= 0)
                return true; // a beat that came late says nothing new
            if (gap <= kListeningGapSeconds) {
                write.prepare(QStringLiteral("UPDATE listening SET until_utc = ? WHERE id = ?"));
                bindAll(write, {at, id});
                return run(write);
            }
        }
        write.prepare(QStringLiteral(
            "INSERT INTO listening (client, band, from_utc, until_utc) VALUES (?, ?, ?, ?)"));
        bindAll(write, {requiredText(client), optionalText(band), at, at});
        return run(write);
    });
}

std::vector<HeardRecord> HistoryLog::readHeard(const HeardFilter& filter) const
{
    std::vector<HeardRecord> records;
    if (!m_open)
        return records;
    const auto [where, bound] =
        whereOf(filter, QStringLiteral("time_utc"), QStringLiteral("time_utc"));
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM heard%2 ORDER BY time_utc, id")
                      .arg(QLatin1StringView(kHeardColumns), where));
    bindAll(query, bound);
    if (!query.exec())
        return records;
    while (query.next())
        records.push_back(heardRecordAt(query));
    return records;
}

std::vector<ListeningRecord> HistoryLog::readListening(const HeardFilter& filter) const
{
    std::vector<ListeningRecord> runs;
    if (!m_open)
        return runs;
    const auto [where, bound] =
        whereOf(filter, QStringLiteral("from_utc"), QStringLiteral("until_utc"));
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT client, band, from_utc, until_utc FROM listening%1"
                                 " ORDER BY from_utc, id")
                      .arg(where));
    bindAll(query, bound);
    if (!query.exec())
        return runs;
    while (query.next()) {
        runs.push_back({query.value(0).toString(), query.value(1).toString(),
                        utcFromText(query.value(2).toString()).value_or(QDateTime()),
                        utcFromText(query.value(3).toString()).value_or(QDateTime())});
    }
    return runs;
}

void HistoryLog::loadGrids(GridMemory& memory) const
{
    if (!m_open)
        return;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    // Oldest first: when the memory fills up, it keeps the newer ones.
    if (!query.exec(QStringLiteral("SELECT call, grid, seen_utc FROM call_grid ORDER BY seen_utc")))
        return;
    while (query.next()) {
        if (const std::optional<QDateTime> seen = utcFromText(query.value(2).toString()))
            memory.remember(query.value(0).toString(), query.value(1).toString(), *seen);
    }
}

bool HistoryLog::saveGrid(const QString& call, const QString& grid, const QDateTime& seenUtc)
{
    if (!m_open)
        return false;
    QSqlQuery upsert(database());
    upsert.prepare(QStringLiteral(
        "INSERT INTO call_grid (call, grid, seen_utc) VALUES (?, ?, ?) ON CONFLICT (call) DO "
        "UPDATE SET grid = excluded.grid, seen_utc = excluded.seen_utc"
        " WHERE excluded.seen_utc >= call_grid.seen_utc"));
    bindAll(upsert, {call, grid, utcText(seenUtc)});
    return run(upsert);
}
