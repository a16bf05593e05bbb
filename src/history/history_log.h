// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/new_page_check.h"
#include "history/page_record.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QSqlDatabase;

// Which records a read returns; bounds are inclusive, by the record's instant.
struct HistoryFilter {
    std::optional<QDateTime> since;
    std::optional<QDateTime> until;
    QString station; // empty for all
};

// The SQLite file of logged pages.
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

    // Removes records whose instant is before `cutoffUtc`; how many, or -1.
    int prune(const QDateTime& cutoffUtc);

    // Records in order of their instant.
    std::vector<PageRecord> read(const HistoryFilter& filter = {}) const;

private:
    QSqlDatabase database() const;
    bool openConnection(Mode mode);
    void closeConnection();
    bool readable(Mode mode);
    bool moveAside();
    void fail(const QString& error);

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
