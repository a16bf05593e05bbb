// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class BrowserView;
class Clock;
class FetchCycle;
class Form1;
struct FormState;
struct ReadoutState;

// The one-second tick that counts down to the next reload, and the
// one-shot retry after a communication error.
class RefreshScheduler {
public:
    RefreshScheduler(Clock& clock, FormState& form, ReadoutState& readout, FetchCycle& fetch,
                     BrowserView& browser, Form1& window)
        : m_clock(clock), m_form(form), m_readout(readout), m_fetch(fetch), m_browser(browser),
          m_window(window)
    {
    }

    // Where the count stood at start-up: seconds into the hour, so the first
    // tick sees a quarter hour it crossed.
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
    int m_lastTickSecond = 0;
};
