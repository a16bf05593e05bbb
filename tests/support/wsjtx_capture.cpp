// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/wsjtx_capture.h"

#include <QDir>
#include <QFile>

QList<QByteArray> wsjtxCapture(const QString& run)
{
    const QDir dir(QStringLiteral(ONDREL_TEST_DATA "/wsjtx/") + run);
    QList<QByteArray> datagrams;
    for (const QString& name : dir.entryList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            datagrams << file.readAll();
    }
    return datagrams;
}
