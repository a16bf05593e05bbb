// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Clock;
class Form1;
class ProgramSettings;
class ReloadCountdown;

// The reload period editor in the frame `Frame2`: a scroll bar of seconds,
// "Set" and "Can".
class PeriodEditor {
public:
    PeriodEditor(Form1& window, ReloadCountdown& countdown, Clock& clock, ProgramSettings& settings)
        : m_window(window), m_countdown(countdown), m_clock(clock), m_settings(settings)
    {
    }

    // Opens the editor on the current period (right click on the header).
    void open();

    void VScroll1_Change();
    void Command5_Click();
    void Command6_Click();
    // A period stored elsewhere (the settings window) counts as "Set" counts it.
    void adopt(int seconds);

private:
    void close();
    void countFromFullHour();

    Form1& m_window;
    ReloadCountdown& m_countdown;
    Clock& m_clock;
    ProgramSettings& m_settings;
};
