// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/adif_record.h"
#include "heard/call_location.h"
#include "heard/contact_path.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>
#include <vector>

// The operator's contacts from their ADIF logs, kept up to date while the
// window runs: a QSO WSJT-X appends shows at once, a log replaced whole is
// read again, and one sent by the Logged ADIF datagram joins them. The
// same QSO (AdifRecord::key()) is kept once, wherever it came from. The
// logs are only read.
class ContactLog : public QObject {
    Q_OBJECT
public:
    explicit ContactLog(QStringList files, QObject* parent = nullptr);
    ~ContactLog() override;

    const QStringList& files() const { return m_files; }
    // In the order they came: each log's, then those from datagrams.
    const std::vector<AdifRecord>& contacts() const { return m_contacts; }

    // The records of a Logged ADIF datagram.
    void addAdifText(const QString& adif);

    // The contacts from `since` to `until`, placed and judged: home is
    // `homeLocator`, else each record's MY_GRIDSQUARE; a call's grid from
    // any earlier contact places it.
    std::vector<ContactPath> pathsBetween(const QDateTime& since, const QDateTime& until,
                                          const QString& homeLocator,
                                          const ReadingTimeline& readings) const;

signals:
    void changed();

private:
    // How far a log has been read, and how it began, to tell an append
    // from a log written anew.
    struct ReadState {
        qint64 offset = 0;
        QByteArray head;
    };

    void readAll();
    void readFile(const QString& path);
    bool readAppended(const QString& path, ReadState& state);
    void checkFiles();
    void watch();
    bool add(const AdifRecord& record);

    QStringList m_files;
    QHash<QString, ReadState> m_read;
    std::vector<AdifRecord> m_contacts;
    std::vector<AdifRecord> m_fromDatagrams; // kept apart to survive a log read anew
    QSet<QString> m_keys;
    QFileSystemWatcher m_watcher;
    mutable std::unique_ptr<CallLocator> m_locator; // the country file, read on first use
};
