// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

// The datagrams of one recorded WSJT-X or JTDX run under
// tests/data/wsjtx/ ("wsjtx-2.6.1"), in the order they came.
QList<QByteArray> wsjtxCapture(const QString& run);

// The stations the recorded runs decoded.
inline constexpr int kCapturedStations = 8;

// A UDP port nothing on 127.0.0.1 holds now.
quint16 freeUdpPort();
// Sends `datagrams` to 127.0.0.1:`port` in order; whether each was sent.
bool sendToLocalPort(const QList<QByteArray>& datagrams, quint16 port);
