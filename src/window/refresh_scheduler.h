// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/refresh/schedule.h"
#include "window/form_state.h"

class BrowserView;
class Clock;
class FetchCycle;
class Form1;
struct ReadoutState;

// The one-second tick that counts down to the next reload, and the
// one-shot retry after a communication error.
class RefreshScheduler {
public:
    RefreshScheduler(Clock& clock, FormState& form, ReadoutState& readout, FetchCycle& fetch,
                     BrowserView& browser, Form1& window)
        : m_clock(clock), m_form(form), m_readout(readout), m_fetch(fetch), m_browser(browser),
          m_window(window), m_countdown(form.ReloadElapsed, form.ReloadPeriod)
    {
    }

    // Counts from the last quarter hour, as at start-up.
    void startCounting();

    void Timer2_Timer();
    void Timer1_Timer();

private:
    Clock& m_clock;
    FormState& m_form;
    ReadoutState& m_readout;
    FetchCycle& m_fetch;
    BrowserView& m_browser;
    Form1& m_window;
    ReloadCountdown m_countdown;
};
