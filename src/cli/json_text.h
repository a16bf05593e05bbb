// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>

#include <utility>
#include <vector>

// Compact JSON written piece by piece, so that an object keeps its keys in
// the order given (a QJsonObject sorts them).

// One value: a string quoted and escaped, a number, true, false or null.
QByteArray jsonValue(const QJsonValue& value);

// An object of `fields`, each a key and its value already written as JSON.
QByteArray jsonObject(const std::vector<std::pair<QByteArray, QByteArray>>& fields);

// An array of `items`, each already written as JSON.
QByteArray jsonArray(const QList<QByteArray>& items);
