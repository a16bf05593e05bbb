// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/autostart.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString kFileName = QStringLiteral("ondrel.desktop");

} // namespace

LoginAutostart::LoginAutostart(QString directory)
    : m_directory(directory.isEmpty()
                      ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                            QStringLiteral("/autostart")
                      : std::move(directory))
{
}

QString LoginAutostart::filePath() const
{
    return QDir(m_directory).filePath(kFileName);
}

bool LoginAutostart::isOn() const
{
    return QFile::exists(filePath());
}

QString LoginAutostart::turnOn(const QString& program, bool keepInFront) const
{
    if (!QDir().mkpath(m_directory))
        return QStringLiteral("cannot create %1").arg(m_directory);
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(filePath(), file.errorString());
    file.write(autostartEntry(program, keepInFront));
    if (!file.commit())
        return QStringLiteral("%1: %2").arg(filePath(), file.errorString());
    return {};
}

QString LoginAutostart::turnOff() const
{
    QFile file(filePath());
    if (file.exists() && !file.remove())
        return QStringLiteral("%1: %2").arg(filePath(), file.errorString());
    return {};
}

QByteArray autostartEntry(const QString& program, bool keepInFront)
{
    const QString exec = execArgument(program) + (keepInFront ? QStringLiteral(" -T") : QString());
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Ondrel\n"
                          "Name[ja]=電離層\n"
                          "Icon=ondrel\n"
                          "Exec=%1\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(exec)
        .toUtf8();
}

QString execArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString word = argument;
    word.replace(u'%', QStringLiteral("%%"));
    if (std::any_of(word.begin(), word.end(), [](QChar c) { return reserved.contains(c); })) {
        QString quoted = QStringLiteral("\"");
        for (QChar c : word) {
            if (QStringLiteral("\"`$\\").contains(c))
                quoted += u'\\';
            quoted += c;
        }
        word = quoted + u'"';
    }
    // The whole value is a string, whose own escapes come on top.
    return word.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\t', QStringLiteral("\\t"))
        .replace(u'\r', QStringLiteral("\\r"));
}
