// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/map_labels.h"

#include "reach/map_style.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

MapLabels::MapLabels(QPainter& painter, const QRectF& area, double unit)
    : m_painter(painter), m_area(area), m_unit(unit)
{
}

QRectF MapLabels::rectFor(QPointF anchor, double gap, QSizeF size, LabelSide side) const
{
    QPointF topLeft;
    switch (side) {
    case LabelSide::Right:
        topLeft = anchor + QPointF(gap, -size.height() / 2);
        break;
    case LabelSide::Left:
        topLeft = anchor + QPointF(-gap - size.width(), -size.height() / 2);
        break;
    case LabelSide::Above:
        topLeft = anchor + QPointF(-size.width() / 2, -gap - size.height());
        break;
    case LabelSide::Below:
        topLeft = anchor + QPointF(-size.width() / 2, gap);
        break;
    }
    // A label whose point lies near the edge or off the map stays in sight.
    const double margin = m_unit * 0.4;
    const QRectF inside =
        m_area.adjusted(margin, margin, -margin - size.width(), -margin - size.height());
    topLeft.rx() = std::clamp(topLeft.x(), inside.left(), std::max(inside.left(), inside.right()));
    topLeft.ry() = std::clamp(topLeft.y(), inside.top(), std::max(inside.top(), inside.bottom()));
    return QRectF(topLeft, size);
}

bool MapLabels::isFree(const QRectF& rect) const
{
    return std::none_of(m_taken.begin(), m_taken.end(),
                        [&rect](const QRectF& taken) { return taken.intersects(rect); });
}

void MapLabels::place(QPointF anchor, double gap, const QStringList& lines, const LabelSides& sides,
                      const QFont& font)
{
    const QFontMetricsF metrics(font);
    double width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const QSizeF size(width, metrics.height() * lines.size());
    for (LabelSide side : sides) {
        const QRectF block = rectFor(anchor, gap, size, side);
        if (isFree(block)) {
            draw(block, lines, side, font);
            return;
        }
    }
    QRectF block = rectFor(anchor, gap, size, sides[0]);
    for (size_t tries = 0; tries < m_taken.size() && !isFree(block); ++tries) {
        for (const QRectF& taken : m_taken) {
            if (taken.intersects(block))
                block.moveTop(taken.bottom() + 1);
        }
    }
    draw(block, lines, sides[0], font);
}

void MapLabels::draw(const QRectF& block, const QStringList& lines, LabelSide side,
                     const QFont& font)
{
    // Lines line up towards the point they name.
    const QFontMetricsF metrics(font);
    QPainterPath path;
    for (int n = 0; n < lines.size(); ++n) {
        const double spare = block.width() - metrics.horizontalAdvance(lines[n]);
        const double x = side == LabelSide::Left ? spare : side == LabelSide::Right ? 0 : spare / 2;
        path.addText(block.topLeft() + QPointF(x, metrics.ascent() + n * metrics.height()), font,
                     lines[n]);
    }
    m_painter.strokePath(path,
                         QPen(kMapHalo, m_unit * 0.28, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.fillPath(path, kMapText);
    m_taken.push_back(block);
}
