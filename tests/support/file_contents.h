// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A file's whole content, or "<unreadable>" so a comparison shows why.
QByteArray readAll(const QString& path);
// Replaces a file's content; a failure fails the test.
void writeAll(const QString& path, const QByteArray& content);
