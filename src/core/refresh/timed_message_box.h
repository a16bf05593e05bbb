// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class MessageBoxes;

// Shows an information box that closes itself after `seconds` unless the
// user closes it first; `closed` runs once it has closed. A time-out that
// does not fit in 32-bit milliseconds shows no box and goes on at once.
void TimedMsgBox(MessageBoxes& boxes, const QString& text, const QString& title, int seconds,
                 std::function<void()> closed);
