// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_text.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

QByteArray jsonValue(const QJsonValue& value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2); // without the array's brackets
}

namespace {

// Keys are plain names ("page_time"); anything else goes through jsonValue.
bool plainKey(const QByteArray& key)
{
    return std::all_of(key.begin(), key.end(),
                       [](char c) { return c >= 0x20 && c != '"' && c != '\\' && c < 0x7f; });
}

} // namespace

QByteArray jsonObject(const std::vector<std::pair<QByteArray, QByteArray>>& fields)
{
    QByteArray json = "{";
    for (const auto& [key, value] : fields) {
        if (json.size() > 1)
            json += ',';
        json += (plainKey(key) ? '"' + key + '"' : jsonValue(QString::fromUtf8(key))) + ':' + value;
    }
    return json + '}';
}

QByteArray jsonArray(const QList<QByteArray>& items)
{
    return '[' + items.join(',') + ']';
}
