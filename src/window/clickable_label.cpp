// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/clickable_label.h"

#include <QMouseEvent>

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
