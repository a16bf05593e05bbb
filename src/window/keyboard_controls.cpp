// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keyboard_controls.h"

#include "window/form1.h"
#include "window/form_state.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

KeyboardControls::KeyboardControls(Form1& window, const FormState& form)
    : m_window(window), m_form(form)
{
    for (const KeyBinding& binding : keyBindings())
        bind(binding);
    window.installEventFilter(this);
    window.Frame2->installEventFilter(this);
    editorShown(window.Frame2->isVisible());
}

void KeyboardControls::bind(const KeyBinding& binding)
{
    switch (binding.action) {
    case KeyAction::OpenPage:
    case KeyAction::ClosePane:
        m_fallThrough.push_back(binding);
        return;
    case KeyAction::Click:
    case KeyAction::RightClick:
        return; // the focused label's own
    case KeyAction::OpenHistory:
        return; // the history feature's
    case KeyAction::OpenMap:
        return; // the map feature's
    case KeyAction::OpenSettings:
        return; // the settings feature's
    default:
        break;
    }
    for (const QKeySequence& key : binding.keys) {
        QShortcut* sc = shortcut(key);
        connect(
            sc, &QShortcut::activated, this,
            [this, action = binding.action, heading = binding.heading] { act(action, heading); });
        if (binding.action == KeyAction::PeriodSet || binding.action == KeyAction::PeriodCancel)
            m_editorKeys.push_back(sc);
    }
}

QShortcut* KeyboardControls::shortcut(const QKeySequence& key)
{
    auto* sc = new QShortcut(key, &m_window);
    sc->setContext(Qt::WindowShortcut);
    // Held keys: one reload, one page.
    sc->setAutoRepeat(false);
    return sc;
}

void KeyboardControls::act(KeyAction action, int heading)
{
    Form1& w = m_window;
    switch (action) {
    case KeyAction::Reload:
        w.Label6->activate(Qt::LeftButton);
        break;
    case KeyAction::OpenPeriodEditor:
        openPeriodEditor();
        break;
    case KeyAction::PeriodSet:
    case KeyAction::PeriodCancel:
        closePeriodEditor(action);
        break;
    case KeyAction::OpenPage:
        w.Label3[heading]->activate(Qt::LeftButton);
        break;
    case KeyAction::Restore:
        w.Command1->click();
        break;
    case KeyAction::ClosePane:
        if (m_form.PaneOpen == 1)
            w.Command1->click();
        break;
    case KeyAction::Help:
        w.Label1->activate(Qt::LeftButton);
        break;
    case KeyAction::OpenHistory:
    case KeyAction::OpenMap:
    case KeyAction::OpenSettings:
    case KeyAction::Click:
    case KeyAction::RightClick:
        break;
    }
}

void KeyboardControls::openPeriodEditor()
{
    m_window.Label1->activate(Qt::RightButton);
    if (m_window.Frame2->isVisible())
        m_window.VScroll1->setFocus(Qt::ShortcutFocusReason);
}

void KeyboardControls::closePeriodEditor(KeyAction action)
{
    const QPointer<QWidget> back = m_focusBeforeEditor;
    if (action == KeyAction::PeriodSet)
        m_window.Command5->click();
    else
        m_window.Command6->click();
    if (back && back->isVisible() && back->isEnabled())
        back->setFocus(Qt::ShortcutFocusReason);
}

void KeyboardControls::editorShown(bool shown)
{
    for (QShortcut* sc : m_editorKeys)
        sc->setEnabled(shown);
    if (shown) {
        QWidget* focus = QApplication::focusWidget();
        m_focusBeforeEditor = focus && !m_window.Frame2->isAncestorOf(focus) ? focus : nullptr;
    }
}

bool KeyboardControls::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window.Frame2) {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            editorShown(event->type() == QEvent::Show);
        return false;
    }
    if (watched != &m_window || event->type() != QEvent::KeyPress)
        return false;
    // Here only when no control took the key.
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(
        QKeyCombination(keyEvent->modifiers() & ~Qt::KeypadModifier, Qt::Key(keyEvent->key())));
    for (const KeyBinding& binding : m_fallThrough) {
        if (binding.keys.contains(pressed)) {
            // Digits typed at the period editor are no station's.
            const bool editing = m_window.Frame2->isVisible();
            if (!keyEvent->isAutoRepeat() && !(editing && binding.action == KeyAction::OpenPage))
                act(binding.action, binding.heading);
            return true;
        }
    }
    return false;
}
