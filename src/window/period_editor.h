// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class FormController;

// The reload period editor in the frame `Frame2`: a scroll bar of seconds,
// "Set" and "Can".
class PeriodEditor {
public:
    explicit PeriodEditor(FormController& form) : m_form(form) {}

    // Opens the editor on the current period (right click on the header).
    void open();

    void VScroll1_Change();
    void Command5_Click();
    void Command6_Click();

private:
    void close();

    FormController& m_form;
};
