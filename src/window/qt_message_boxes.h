// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/refresh/message_boxes.h"

#include <QPointer>
#include <QWidget>

// Message boxes as real Qt dialogs, owned by the main window.
class QtMessageBoxes : public MessageBoxes {
public:
    // The owner of every box; set once the main window exists.
    QPointer<QWidget> MsgOwnerWnd;

    void show(const QString& text, const QString& title, Icon icon) override;
    void showTimed(const QString& text, const QString& title, int milliseconds,
                   std::function<void()> closed) override;
};
