// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/status/notice_memory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Lines "page=TEXT" (percent-encoded, as a page's text may hold any
// character), "levelN=SECONDS" and "bandMHZ=SECONDS" (seconds since the
// epoch).
const QString kPage = QStringLiteral("page=");
const QString kLevel = QStringLiteral("level");
const QString kBand = QStringLiteral("band");

} // namespace

QString stateFilePath(const QString& name)
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/ondrel/") + name;
}

EsNoticePolicy::Memory loadNoticeMemory(const QString& path)
{
    EsNoticePolicy::Memory memory;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return memory;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(kPage)) {
            memory.pageTime = QString::fromUtf8(
                QByteArray::fromPercentEncoding(line.sliced(kPage.size()).toUtf8()));
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const bool band = line.startsWith(kBand);
        const QString& prefix = band ? kBand : kLevel;
        bool numberOk = false;
        bool secondsOk = false;
        if (!line.startsWith(prefix) || equals < 0)
            continue;
        const int number = line.sliced(prefix.size(), equals - prefix.size()).toInt(&numberOk);
        const qint64 seconds = line.sliced(equals + 1).toLongLong(&secondsOk);
        if (numberOk && secondsOk)
            (band ? memory.lastBandNotice : memory.lastNotice)[number] =
                EsNoticePolicy::Seconds(seconds);
    }
    return memory;
}

QString saveNoticeMemory(const QString& path, const EsNoticePolicy::Memory& memory)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString text =
        kPage + QString::fromLatin1(memory.pageTime.toUtf8().toPercentEncoding()) + u'\n';
    for (const auto& [level, seconds] : memory.lastNotice)
        text += QStringLiteral("%1%2=%3\n").arg(kLevel).arg(level).arg(seconds.count());
    for (const auto& [band, seconds] : memory.lastBandNotice)
        text += QStringLiteral("%1%2=%3\n").arg(kBand).arg(band).arg(seconds.count());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit())
        return {};
    return QStringLiteral("%1: %2").arg(path, file.errorString());
}
