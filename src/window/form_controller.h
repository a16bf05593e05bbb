// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/refresh/fetch_cycle.h"
#include "window/browser_pane.h"
#include "window/form_state.h"
#include "window/period_editor.h"
#include "window/readout_explainer.h"
#include "window/refresh_scheduler.h"
#include "window/startup.h"
#include "window/window_controls.h"
#include "window/history_feature.h"
#include "core/text/code_conv.h"
#include "core/settings/settings_store.h"
#include "core/page/readout_state.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class BrowserView;
class Clock;
class Form1;
class MessageBoxes;
class PageDownload;
class Timer;

// The outside effects the window goes through; tests replace them.
struct FormSeams {
    PageDownload& download;
    MessageBoxes& boxes;
    Clock& clock;
    BrowserView& browser;
    std::function<QString()> programDirectory;
    // The two window timers; real ones bound to the handlers when null.
    Timer* timer1 = nullptr;
    Timer* timer2 = nullptr;
    // The history log's file; nothing is logged when empty.
    std::function<QString()> historyPath = {};
};

// Owns the window's state and wires its controls to the handlers.
class FormController : public FetchCycle::Host {
public:
    FormController(Form1& window, FormSeams seams);
    ~FormController() override;

    // FetchCycle::Host
    void readoutChanged() override;
    void reloadPaneIfOpen() override;
    void closeWindow() override;

    // The readout as it stands, on the window.
    void render();

    // Run in order after every refresh that got as far as a download; the
    // controller holds `fetch.finished` for them, so several can listen.
    std::vector<std::function<void(RefreshOutcome)>> refreshListeners;

    Form1& window;
    MessageBoxes& boxes;
    Clock& clock;
    BrowserView& browser;
    PageDownload& download;
    std::function<QString()> programDirectory;

    FormState form;
    ReadoutState readout;
    CodeConv conv;
    SettingsStore settings;

private:
    std::unique_ptr<Timer> m_ownTimer1;
    std::unique_ptr<Timer> m_ownTimer2;

public:
    Timer& Timer1;
    Timer& Timer2;
    FetchCycle fetch;

    RefreshScheduler scheduler;
    PeriodEditor editor;
    WindowControls controls;
    ReadoutExplainer explainer;
    BrowserPane pane;
    Startup startup;
    HistoryFeature history;

    // Shows the "履歴" chart window (also Ctrl+H).
    void openHistory() { history.openHistory(); }

private:
    void connectControls();

    // Ends the controls' connections to the handlers with the controller.
    QObject m_context;
};
