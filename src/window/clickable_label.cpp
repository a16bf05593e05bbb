// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/clickable_label.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved();
    QLabel::mouseMoveEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseReleased(event->button());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::setUnderline(Qt::PenStyle style)
{
    if (style == m_underline)
        return;
    m_underline = style;
    update();
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (m_underline == Qt::NoPen || text().isEmpty())
        return;
    // Filled rectangles rather than a pen, whose dots and caps change with
    // its width: two-pixel dots with two-pixel gaps, clear of the text.
    constexpr int kThickness = 2;
    constexpr int kDot = 2;
    const QRect box = contentsRect();
    const int textWidth = fontMetrics().horizontalAdvance(text());
    const int width = std::min(box.width(), textWidth + 2);
    const int left = box.left() + (box.width() - width) / 2;
    const int top = box.bottom() + 1 - kThickness;
    QPainter painter(this);
    const QColor colour = palette().color(foregroundRole());
    if (m_underline == Qt::DotLine) {
        for (int x = left; x < left + width; x += 2 * kDot)
            painter.fillRect(x, top, std::min(kDot, left + width - x), kThickness, colour);
    } else {
        painter.fillRect(left, top, width, kThickness, colour);
    }
}
