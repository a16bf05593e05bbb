// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/wsjtx_capture.h"

#include <QDir>
#include <QFile>
#include <QUdpSocket>

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

quint16 freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

bool sendToLocalPort(const QList<QByteArray>& datagrams, quint16 port)
{
    QUdpSocket sender;
    bool sent = true;
    for (const QByteArray& bytes : datagrams)
        sent = sender.writeDatagram(bytes, QHostAddress::LocalHost, port) == bytes.size() && sent;
    return sent;
}
