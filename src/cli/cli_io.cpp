// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_io.h"

#include <QFile>

#include <cstdio>

void printError(const QString& line)
{
    std::fputs(qPrintable(QStringLiteral("ondrel-cli: ") + line + u'\n'), stderr);
}

void printOut(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

std::optional<QByteArray> readInput(const QString& path)
{
    QFile file;
    const bool standardInput = path == u"-";
    const bool opened = standardInput ? file.open(stdin, QIODevice::ReadOnly)
                                      : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        printError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        printError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    return bytes;
}

QString inputName(const QString& path)
{
    return path == u"-" ? QStringLiteral("standard input") : path;
}
