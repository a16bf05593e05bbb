// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/clickable_label.h"

#include "window/accessible_texts.h"
#include "window/focus_frame.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
    // Not on a click: a mouse user never sees a focused label.
    setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::activate(Qt::MouseButton button)
{
    Q_EMIT mouseReleased(button);
    if (button == Qt::LeftButton)
        Q_EMIT clicked();
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

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    const QKeySequence pressed(
        QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    if (keysFor(KeyAction::Click).contains(pressed))
        activate(Qt::LeftButton);
    else if (keysFor(KeyAction::RightClick).contains(pressed))
        activate(Qt::RightButton);
    else
        QLabel::keyPressEvent(event);
}

QRect ClickableLabel::textRect() const
{
    QRect rect = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int inset = indent();
    if (inset < 0 && frameWidth())
        inset = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (inset > 0) {
        const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
        if (align & Qt::AlignLeft)
            rect.setLeft(rect.left() + inset);
        if (align & Qt::AlignRight)
            rect.setRight(rect.right() - inset);
        if (align & Qt::AlignTop)
            rect.setTop(rect.top() + inset);
        if (align & Qt::AlignBottom)
            rect.setBottom(rect.bottom() - inset);
    }
    return rect;
}

void ClickableLabel::paintEvent(QPaintEvent*)
{
    // A label that can take the focus lays its text out as a document, a
    // pixel off from where a plain label puts it: draw it as the plain one.
    QPainter painter(this);
    drawFrame(&painter);
    QStyleOption option;
    option.initFrom(this);
    const bool rightToLeft = text().isRightToLeft();
    const int flags =
        int(QStyle::visualAlignment(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight, alignment())) |
        (rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
    style()->drawItemText(&painter, textRect(), flags, option.palette, isEnabled(), text(),
                          foregroundRole());
    painter.end();
    paintFocusFrame(*this);
}
