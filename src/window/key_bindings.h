// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <vector>

// The keys the main window answers to, as data: KeyboardControls acts on
// them, the English help lists them. Texts in the translation context
// "Accessibility", beside the spoken names.

// What a key does; `heading` only for OpenPage.
enum class KeyAction {
    Reload,
    OpenPeriodEditor,
    PeriodSet,
    PeriodCancel,
    OpenHistory,
    OpenMap,
    OpenSettings,
    OpenPage,
    Restore,
    ClosePane,
    Help,
    Click,
    RightClick,
};

struct KeyBinding {
    KeyAction action;
    QList<QKeySequence> keys; // the first is the one to name
    QString text;             // what it does, for the help text and the README
    int heading = -1;         // `Label3` index for OpenPage
};

// Every key of the main window, in the order to list them.
std::vector<KeyBinding> keyBindings();

// The keys of the first binding for `action`.
QList<QKeySequence> keysFor(KeyAction action);

// "F5", "Ctrl+H", "Return / Enter": a binding's keys as shown to the user.
QString keysText(const KeyBinding& binding);

// A heading and one line per binding ("F5: …"), CR LF between lines, for
// the help box.
QString keyListText();
