// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>

#include <algorithm>
#include <cmath>

// The map's colours and type, shared by its parts.
inline const QColor kMapText(0xee, 0xf1, 0xf4);
inline const QColor kMapQuietText(0xb4, 0xbd, 0xc6);
inline const QColor kMapHalo(0x06, 0x0b, 0x10);
inline const QColor kMapHome(0xff, 0xff, 0xff);

// The text height in pixels of a map drawn into `area`; every size on
// the map follows it.
inline double mapUnit(const QRectF& area)
{
    return std::clamp(std::min(area.width(), area.height()) / 52, 9.0, 22.0);
}

// The map's face at `scale` times `unit` pixels: one Japanese face for
// kana and digits alike, where one is installed.
inline QFont mapFont(double unit, double scale, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("VL PGothic"), font.family()});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(unit * scale))));
    font.setBold(bold);
    return font;
}
