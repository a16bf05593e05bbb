// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/map_picture.h"

#include "reach/band_lines.h"
#include "reach/map_style.h"
#include "reach/reach_map.h"

#include <QFontMetricsF>
#include <QPainter>

void paintReachPicture(QPainter& painter, const QRectF& area, const ReachReport& report,
                       SignalPalette palette)
{
    const double unit = mapUnit(area);
    const QFont font = mapFont(unit, 0.85);
    const QFontMetricsF metrics(font);
    const double margin = unit * 0.6;
    const QRectF column = area.adjusted(margin, 0, -margin, 0);
    // A line longer than the picture is wide wraps.
    const auto flags = static_cast<int>(Qt::AlignLeft | Qt::TextWordWrap);
    double height = margin;
    const QStringList lines = bandLines(report) + homePathLines(report);
    for (const QString& line : lines)
        height += metrics.boundingRect(column, flags, line).height();
    const QRectF strip(area.left(), area.bottom() - height - margin, area.width(), height + margin);

    paintReachMap(painter, QRectF(area.topLeft(), QPointF(area.right(), strip.top())), report,
                  palette);
    painter.save();
    painter.fillRect(strip, kMapHalo);
    painter.setFont(font);
    painter.setPen(kMapText);
    QRectF next(column.left(), strip.top() + margin, column.width(), height);
    for (const QString& line : lines) {
        QRectF used;
        painter.drawText(next, flags, line, &used);
        next.setTop(next.top() + used.height());
    }
    painter.restore();
}
