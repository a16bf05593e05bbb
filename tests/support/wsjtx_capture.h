// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The datagrams of one recorded WSJT-X or JTDX run under
// tests/data/wsjtx/ ("wsjtx-2.6.1"), in the order they came.
QList<QByteArray> wsjtxCapture(const QString& run);
