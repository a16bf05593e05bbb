// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/page_refresh.h"
#include "core/page/readout_state.h"
#include "core/refresh/fetch_cycle.h"
#include "core/settings/program_settings.h"
#include "core/text/code_conv.h"
#include "window/form_state.h"
#include "window/keyboard_controls.h"
#include "window/pane_handlers.h"
#include "window/period_editor.h"
#include "window/readout_explainer.h"
#include "window/refresh_scheduler.h"
#include "window/startup.h"
#include "window/window_controls.h"

#include <QObject>

#include <functional>

class BrowserView;
class Clock;
class Form1;
class MessageBoxes;
class PageDownload;
class SettingsStore;
class Timer;

// The outside effects the window goes through; tests replace them.
struct FormSeams {
    PageDownload& download;
    MessageBoxes& boxes;
    Clock& clock;
    BrowserView& browser;
    SettingsStore& settings;
    // Where the settings file lives (start-up clears old files there).
    std::function<QString()> settingsDirectory;
    // The window's timers: Timer1 the retry after a communication error,
    // Timer2 the one-second countdown. Whoever assembles the window makes
    // them run Timer1_Timer and Timer2_Timer.
    Timer& timer1;
    Timer& timer2;
};

// Owns the window's state, wires its controls to the handlers and tells
// after each refresh how it ended.
class FormController : public QObject, private FetchCycle::Host {
    Q_OBJECT
public:
    FormController(Form1& window, FormSeams seams);
    ~FormController() override;

    // `arguments`: the command-line text after the program's name.
    void Form_Load(const QString& arguments);
    void Timer1_Timer();
    void Timer2_Timer();
    void RefreshAlert();
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

    // The readout as the last refresh left it, and the window's state;
    // render() shows a readout changed from outside (tests).
    ReadoutState& readout() { return m_readout; }
    FormState& state() { return m_state; }
    void render();
    // The address the next refresh downloads.
    QString alertUrl() const { return m_fetch.alertUrl; }

signals:
    // After every refresh that got as far as a download.
    void refreshed(RefreshOutcome outcome);
    void keepInFrontChanged(bool on);
    void signalPaletteChanged(SignalPalette palette);

private:
    // FetchCycle::Host
    void readoutChanged() override;
    void reloadPaneIfOpen() override;
    void closeWindow() override;

    void connectControls();

    Form1& m_window;
    BrowserView& m_browser;
    FormState m_state;
    ReadoutState m_readout;
    CodeConv m_conv;
    ProgramSettings m_settings;
    FetchCycle m_fetch;
    RefreshScheduler m_scheduler;
    PeriodEditor m_editor;
    ReadoutExplainer m_explainer;
    WindowControls m_controls;
    PaneHandlers m_pane;
    KeyboardControls m_keys;
    Startup m_startup;
};
