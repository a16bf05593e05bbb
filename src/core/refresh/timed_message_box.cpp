// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/refresh/timed_message_box.h"

#include "core/refresh/message_boxes.h"

#include <limits>

void TimedMsgBox(MessageBoxes& boxes, const QString& text, const QString& title, int seconds,
                 std::function<void()> closed)
{
    const qint64 milliseconds = qint64(seconds) * 1000;
    if (milliseconds > std::numeric_limits<int>::max() ||
        milliseconds < std::numeric_limits<int>::min()) {
        closed();
        return;
    }
    boxes.showTimed(text, title, static_cast<int>(milliseconds), std::move(closed));
}
