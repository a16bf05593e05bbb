// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_text.h"

#include <QJsonArray>
#include <QJsonDocument>

QByteArray jsonValue(const QJsonValue& value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2); // without the array's brackets
}

QByteArray jsonObject(const std::vector<std::pair<QByteArray, QByteArray>>& fields)
{
    QByteArray json = "{";
    for (const auto& [key, value] : fields) {
        if (json.size() > 1)
            json += ',';
        json += jsonValue(QString::fromUtf8(key)) + ':' + value;
    }
    return json + '}';
}

QByteArray jsonArray(const QList<QByteArray>& items)
{
    return '[' + items.join(',') + ']';
}
