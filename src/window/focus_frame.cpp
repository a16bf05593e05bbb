// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/focus_frame.h"

#include <QFrame>
#include <QPainter>
#include <QWidget>

void paintFocusFrame(QWidget& control)
{
    if (!control.hasFocus() || !control.window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    // Inside a label's border; in the text's colour, which the design
    // already makes stand out from the background.
    QRect inside = control.rect();
    if (const auto* frame = qobject_cast<const QFrame*>(&control))
        inside = frame->contentsRect();
    QPainter painter(&control);
    painter.setPen(QPen(control.palette().color(control.foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(inside.adjusted(0, 0, -1, -1));
}
