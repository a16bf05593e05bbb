// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class FormController;

// The one-second tick that counts down to the next reload, and the
// one-shot retry after a communication error.
class RefreshScheduler {
public:
    explicit RefreshScheduler(FormController& form) : m_form(form) {}

    // Where the count stood at start-up: seconds into the hour, so the first
    // tick sees a quarter hour it crossed.
    void startCounting();

    void Timer2_Timer();
    void Timer1_Timer();

private:
    FormController& m_form;
    int m_lastTickSecond = 0;
};
