// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/new_page_check.h"
#include "history/heard_record.h"
#include "history/page_record.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class GridMemory;
class QSqlDatabase;
class QSqlQuery;
struct HeardStation;

// Which records a read returns; bounds are inclusive, by the record's instant.
struct HistoryFilter {
    std::optional<QDateTime> since;
    std::optional<QDateTime> until;
    QString station; // empty for all
};

// Which heard decodes, or runs of listening, a read returns: bounds are
// inclusive; `band` is a band's name ("6m"), empty for all.
struct HeardFilter {
    std::optional<QDateTime> since;
    std::optional<QDateTime> until;
    QString band;
};

// The SQLite file of logged pages, and of what WSJT-X and JTDX heard.
class HistoryLog {
public:
    enum class Mode { ReadWrite, ReadOnly };
    enum class Append { Written, SamePage, Failed };
    // Why open() failed: NotALog for a file that is no sound SQLite
    // database, or one without the log's layout.
    enum class OpenFailure { None, NotALog, Other };
    using Report = std::function<void(const QString&)>;

    // `report` gets what the user should know (default: standard error).
    explicit HistoryLog(QString path, Report report = {});
    ~HistoryLog();
    HistoryLog(const HistoryLog&) = delete;
    HistoryLog& operator=(const HistoryLog&) = delete;

    // Read-write: creates the file, brings it to the current layout and
    // moves a file that is not a readable database aside
    // ("history.sqlite.broken-YYYYMMDDTHHMMSSZ") to start a new one.
    // Read-only: touches nothing and needs the current layout.
    bool open(Mode mode = Mode::ReadWrite);
    bool isOpen() const { return m_open; }
    QString path() const { return m_path; }
    QString lastError() const { return m_lastError; }
    OpenFailure lastOpenFailure() const { return m_openFailure; }

    // Adds one page's records in one transaction, unless its time stamp is
    // the one logged last.
    Append appendPage(const std::vector<PageRecord>& records);

    // Removes records, heard decodes, runs of listening and grids older
    // than `cutoffUtc`; how many, or -1.
    int prune(const QDateTime& cutoffUtc);

    // Records in order of their instant.
    std::vector<PageRecord> read(const HistoryFilter& filter = {}) const;

    // What was heard (heard_log.cpp). Each write is a short transaction of
    // its own; false when it failed (lastError()).

    // A decode its client sent before (same time and text) stays logged once.
    bool appendHeard(const HeardStation& station);
    // A Status or Heartbeat of `client` on `band` ("6m"; empty when unknown)
    // extends the client's run on that band while they come within
    // kListeningGapSeconds (WSJT-X beats every 15 s), else starts a new run.
    static constexpr int kListeningGapSeconds = 120;
    bool extendListening(const QString& client, const QString& band, const QDateTime& atUtc);
    // In order of time.
    std::vector<HeardRecord> readHeard(const HeardFilter& filter = {}) const;
    // The runs that overlap the filter's span, in order of their start.
    std::vector<ListeningRecord> readListening(const HeardFilter& filter = {}) const;
    // The grid each call last sent, kept across runs.
    void loadGrids(GridMemory& memory) const;
    bool saveGrid(const QString& call, const QString& grid, const QDateTime& seenUtc);

private:
    QSqlDatabase database() const;
    bool openConnection(Mode mode);
    void closeConnection();
    bool readable(Mode mode);
    bool moveAside();
    void fail(const QString& error);
    bool run(QSqlQuery& query);
    bool runInTransaction(const std::function<bool()>& steps);

    QString m_path;
    Report m_report;
    QString m_connection;
    bool m_open = false;
    QString m_lastError;
    OpenFailure m_openFailure = OpenFailure::None;
    NewPageCheck m_pages; // the last logged page's time stamp
};

// The per-user log: history.sqlite in the application data directory.
QString defaultHistoryPath();
