// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

class FormController;

// The browser pane beside the readout: a station heading opens it on that
// station's ionograms, "元のサイズに戻す" returns to the compact window,
// "＜" and "＞" move through the pane's history.
class BrowserPane {
public:
    explicit BrowserPane(FormController& form) : m_form(form) {}

    void Label3_MouseUp(int index, Qt::MouseButton button);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    FormController& m_form;
};
