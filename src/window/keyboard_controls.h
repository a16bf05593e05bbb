// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/key_bindings.h"

#include <QObject>
#include <QPointer>

class Form1;
class QShortcut;
struct FormState;

// The window's keys (keyBindings()), each doing what the mouse gesture it
// stands for does: the keys click the controls, the handlers stay theirs.
// The digits and Escape outside the editor act only on keys that no
// control took, so a page in the pane keeps what is typed into it.
class KeyboardControls : public QObject {
    Q_OBJECT
public:
    KeyboardControls(Form1& window, const FormState& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bind(const KeyBinding& binding);
    QShortcut* shortcut(const QKeySequence& key);
    void act(KeyAction action, int heading);
    void openPeriodEditor();
    void closePeriodEditor(KeyAction action);
    void editorShown(bool shown);

    Form1& m_window;
    const FormState& m_form;
    // Keys that act only while the period editor is open.
    std::vector<QShortcut*> m_editorKeys;
    // Keys acted on only when no control took them.
    std::vector<KeyBinding> m_fallThrough;
    // Where the focus goes back to when the editor closes by key.
    QPointer<QWidget> m_focusBeforeEditor;
};
