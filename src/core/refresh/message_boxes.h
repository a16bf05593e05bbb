// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// The program's modal messages. The window shows real boxes; tests record
// what would have been shown.
class MessageBoxes {
public:
    enum class Icon { None, Information };

    virtual ~MessageBoxes() = default;

    // A box with one OK button, modal to the main window; returns when the
    // user has closed it.
    virtual void show(const QString& text, const QString& title, Icon icon) = 0;

    // An information box with one OK button, raised to the front, that
    // closes itself after `milliseconds` unless the user closes it first.
    // May return before the box closes; `closed` runs once it has, however
    // it was closed.
    virtual void showTimed(const QString& text, const QString& title, int milliseconds,
                           std::function<void()> closed) = 0;
};
