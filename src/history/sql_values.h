// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// Unknown values go into the log as NULL and come back empty.

inline QVariant optionalNumber(const std::optional<double>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<double>());
}

inline QVariant optionalNumber(const std::optional<int>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<int>());
}

inline QVariant optionalText(const QString& text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

// An empty text where the column wants one: Qt binds a null QString as NULL.
inline QVariant requiredText(const QString& text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

inline std::optional<double> numberOf(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    return value.toDouble();
}

inline std::optional<int> wholeNumberOf(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    return value.toInt();
}
