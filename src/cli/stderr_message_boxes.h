// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/refresh/message_boxes.h"

// Message boxes for the command-line tool: each box is one line on
// standard error and closes at once. The one timed box, the window's
// communication-error notice with its promise of a retry, closes unseen:
// the commands tell the cause themselves.
class StderrMessageBoxes : public MessageBoxes {
public:
    void show(const QString& text, const QString& title, Icon icon) override;
    void showTimed(const QString& text, const QString& title, int milliseconds,
                   std::function<void()> closed) override;
};
