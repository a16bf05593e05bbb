// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Clock;
class Form1;
class ProgramSettings;
struct FormState;

// The reload period editor in the frame `Frame2`: a scroll bar of seconds,
// "Set" and "Can".
class PeriodEditor {
public:
    PeriodEditor(Form1& window, FormState& form, Clock& clock, ProgramSettings& settings)
        : m_window(window), m_form(form), m_clock(clock), m_settings(settings)
    {
    }

    // Opens the editor on the current period (right click on the header).
    void open();

    void VScroll1_Change();
    void Command5_Click();
    void Command6_Click();

private:
    void close();

    Form1& m_window;
    FormState& m_form;
    Clock& m_clock;
    ProgramSettings& m_settings;
};
