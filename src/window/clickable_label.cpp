// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/clickable_label.h"

#include "window/focus_frame.h"
#include "window/key_bindings.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <QStyle>
#include <QStyleOption>
#include <algorithm>

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

void ClickableLabel::setUnderline(Qt::PenStyle style)
{
    if (style == m_underline)
        return;
    m_underline = style;
    update();
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
    if (m_underline != Qt::NoPen && !text().isEmpty())
        paintUnderline(painter);
    painter.end();
    paintFocusFrame(*this);
}

void ClickableLabel::paintUnderline(QPainter& painter)
{
    // Filled rectangles rather than a pen, whose dots and caps change with
    // its width: two-pixel dots with two-pixel gaps, clear of the text.
    constexpr int kThickness = 2;
    constexpr int kDot = 2;
    const QRect box = contentsRect();
    const int textWidth = fontMetrics().horizontalAdvance(text());
    const int width = std::min(box.width(), textWidth + 2);
    const int left = box.left() + (box.width() - width) / 2;
    const int top = box.bottom() + 1 - kThickness;
    const QColor colour = palette().color(foregroundRole());
    if (m_underline == Qt::DotLine) {
        for (int x = left; x < left + width; x += 2 * kDot)
            painter.fillRect(x, top, std::min(kDot, left + width - x), kThickness, colour);
    } else {
        painter.fillRect(left, top, width, kThickness, colour);
    }
}
