// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/contact_log.h"

#include "heard/adif_reader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Enough of a log's start to tell it from another: WSJT-X's header names
// the program and the time the log was made.
constexpr qint64 kHeadBytes = 256;

} // namespace

ContactLog::ContactLog(QStringList files, QObject* parent)
    : QObject(parent), m_files(std::move(files))
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { checkFiles(); });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { checkFiles(); });
    readAll();
    watch();
}

ContactLog::~ContactLog() = default;

bool ContactLog::add(const AdifRecord& record)
{
    if (m_keys.contains(record.key()))
        return false;
    m_keys.insert(record.key());
    m_contacts.push_back(record);
    return true;
}

void ContactLog::readAll()
{
    m_contacts.clear();
    m_keys.clear();
    m_read.clear();
    for (const QString& path : std::as_const(m_files))
        readFile(path);
    for (const AdifRecord& record : m_fromDatagrams)
        add(record);
}

void ContactLog::readFile(const QString& path)
{
    ReadState& state = m_read[path];
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return; // read when it appears
    state.head = file.peek(kHeadBytes);
    AdifReader reader(file);
    while (const std::optional<AdifRecord> record = reader.next())
        add(*record);
    state.offset = file.pos();
}

bool ContactLog::readAppended(const QString& path, ReadState& state)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(state.offset))
        return false;
    const QByteArray appended = file.readAll();
    // A record WSJT-X is still writing is left for the next change.
    const qsizetype end = appended.toLower().lastIndexOf("<eor>");
    if (end < 0)
        return false;
    const qsizetype whole = end + qsizetype(sizeof "<eor>" - 1);
    state.offset += whole;
    bool added = false;
    for (const AdifRecord& record : readAdifText(QByteArrayView(appended).first(whole)).records)
        added |= add(record);
    return added;
}

void ContactLog::checkFiles()
{
    bool changedAny = false;
    for (const QString& path : std::as_const(m_files)) {
        ReadState& state = m_read[path];
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue; // a log gone keeps its contacts until it is back
        const QByteArray head = file.peek(kHeadBytes);
        if (file.size() < state.offset || !head.startsWith(state.head)) {
            readAll();
            watch();
            emit changed();
            return;
        }
        state.head = head;
        if (file.size() > state.offset)
            changedAny |= readAppended(path, state);
    }
    watch();
    if (changedAny)
        emit changed();
}

void ContactLog::watch()
{
    // The folders too: a log saved by renaming a new file over it, or made
    // after the window started, is seen there.
    QStringList paths;
    for (const QString& path : std::as_const(m_files)) {
        const QFileInfo info(path);
        for (const QString& watched : {info.absoluteFilePath(), info.absolutePath()}) {
            if (QFileInfo::exists(watched) && !paths.contains(watched) &&
                !m_watcher.files().contains(watched) && !m_watcher.directories().contains(watched))
                paths << watched;
        }
    }
    if (!paths.isEmpty())
        m_watcher.addPaths(paths);
}

void ContactLog::addAdifText(const QString& adif)
{
    bool added = false;
    for (const AdifRecord& record : readAdifText(adif.toUtf8()).records) {
        if (add(record)) {
            m_fromDatagrams.push_back(record);
            added = true;
        }
    }
    if (added)
        emit changed();
}

std::vector<ContactPath> ContactLog::pathsBetween(const QDateTime& since, const QDateTime& until,
                                                  const QString& homeLocator,
                                                  const ReadingTimeline& readings) const
{
    if (!m_locator)
        m_locator = std::make_unique<CallLocator>();
    GridMemory memory;
    std::vector<ContactPath> paths;
    for (const AdifRecord& record : m_contacts) {
        if (record.time < since) {
            if (!record.grid.isEmpty())
                memory.remember(record.call, record.grid, record.time);
        } else if (record.time <= until) {
            paths.push_back(contactPathOf(record, homeLocator, *m_locator, memory, readings));
        }
    }
    return paths;
}
