// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPaintEvent;
class QWidget;

// Draws a frame inside `control` while it has the focus and the focus came
// from the keyboard, the rule the style follows for buttons: a window used
// with the mouse alone looks as it always did. Call after the control's own
// painting.
void paintFocusFrame(QWidget& control);

// `Control` with the focus frame painted over it.
template <typename Control>
class WithFocusFrame : public Control {
public:
    using Control::Control;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        Control::paintEvent(event);
        paintFocusFrame(*this);
    }
};
