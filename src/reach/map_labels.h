// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRectF>
#include <QStringList>

#include <array>
#include <vector>

class QPainter;

enum class LabelSide { Right, Left, Above, Below };
// Sides to try, in order.
using LabelSides = std::array<LabelSide, 4>;

// Labels on the map: text with a dark rim, readable over land, sea and
// rings alike, beside the point it names, inside the map and off what was
// placed before it.
class MapLabels {
public:
    MapLabels(QPainter& painter, const QRectF& area, double unit);

    // Keeps `rect` (a disc, a marker, a panel) free of later labels.
    void reserve(const QRectF& rect) { m_taken.push_back(rect); }

    // Draws `lines` `gap` pixels away from `anchor` on the first of
    // `sides` where they cover nothing placed before; where every side
    // does, on the first side, moved down past what it covers.
    void place(QPointF anchor, double gap, const QStringList& lines, const LabelSides& sides,
               const QFont& font);

private:
    QRectF rectFor(QPointF anchor, double gap, QSizeF size, LabelSide side) const;
    bool isFree(const QRectF& rect) const;
    void draw(const QRectF& block, const QStringList& lines, LabelSide side, const QFont& font);

    QPainter& m_painter;
    QRectF m_area;
    double m_unit;
    std::vector<QRectF> m_taken;
};
