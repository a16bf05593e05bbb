// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label that reports mouse moves (also without a button held) and
// released buttons, as the readout's handlers need. It takes the focus
// from the keyboard only: Space or Return act as a left click on it, the
// menu key or Shift+F10 as a right click.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    // A line under the text in the text's colour: Qt::SolidLine, Qt::DotLine
    // or none (Qt::NoPen, the default).
    void setUnderline(Qt::PenStyle style);
    Qt::PenStyle underline() const { return m_underline; }

    // Does what a click with `button` on the label does.
    void activate(Qt::MouseButton button);

Q_SIGNALS:
    void mouseMoved();
    void mouseReleased(Qt::MouseButton button);
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Where a plain label puts its text.
    QRect textRect() const;
    void paintUnderline(QPainter& painter);

    Qt::PenStyle m_underline = Qt::NoPen;
};
