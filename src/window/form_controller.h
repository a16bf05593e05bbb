// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/page_refresh.h"
#include "core/settings/program_settings.h"
#include "window/form_state.h"
#include "window/keyboard_controls.h"
#include "window/pane_handlers.h"
#include "window/period_editor.h"
#include "window/position_keeper.h"
#include "window/readout_explainer.h"
#include "window/startup.h"
#include "window/window_controls.h"

#include <QObject>

#include <functional>

class BrowserView;
class Clock;
class Form1;
class MessageBoxes;
class RefreshLoop;
class SettingsStore;
class Timer;

// The outside effects the window goes through; tests replace them.
struct FormSeams {
    MessageBoxes& boxes;
    Clock& clock;
    BrowserView& browser;
    SettingsStore& settings;
    // Where the settings file lives (start-up clears old files there).
    std::function<QString()> settingsDirectory;
    // The window's timers: Timer1 the retry after a communication error
    // (the refresh loop's), Timer2 the one-second countdown. Whoever
    // assembles the window makes them run Timer1_Timer and Timer2_Timer.
    Timer& timer1;
    Timer& timer2;
};

// Owns the window's state, wires its controls to the handlers and shows
// what the refresh loop brings. Listeners of the refreshes connect to the
// loop, not to this.
class FormController : public QObject {
    Q_OBJECT
public:
    FormController(Form1& window, RefreshLoop& loop, FormSeams seams);
    ~FormController() override;

    // `arguments`: the command-line text after the program's name.
    void Form_Load(const QString& arguments);
    void Timer1_Timer();
    void Timer2_Timer();
    // "Ref": reloads at once (also the tray's menu).
    void reloadNow();
    // Opens the reload period editor, as a right click on the header does.
    void openPeriodEditor();

    // Keeps the window in front of all others: its check box, ticked or not.
    void setKeepInFront(bool on);
    bool keepsInFront() const;

    // The colours the readout is drawn in, from ESPalette at start-up;
    // changing them stores the choice and redraws at once.
    SignalPalette signalPalette() const;
    void setSignalPalette(SignalPalette palette);

    // Takes up what the settings window stored: the period (counted as
    // the period editor's "Set" counts it), the palette, and the page
    // addresses (reloading at once from the new one).
    void followStoredSettings();

    // The window's state beside the readout and the countdown.
    FormState& state() { return m_state; }

signals:
    void keepInFrontChanged(bool on);
    void signalPaletteChanged(SignalPalette palette);
    // The period editor's "Set" stored a period.
    void reloadPeriodChanged(int seconds);

private:
    void connectControls();
    void connectLoop();
    void render();
    void showPalette(SignalPalette palette);

    Form1& m_window;
    RefreshLoop& m_loop;
    Clock& m_clock;
    FormState m_state;
    ProgramSettings m_settings;
    PeriodEditor m_editor;
    ReadoutExplainer m_explainer;
    WindowControls m_controls;
    PaneHandlers m_pane;
    KeyboardControls m_keys;
    Startup m_startup;
    PositionKeeper m_keeper;
};
