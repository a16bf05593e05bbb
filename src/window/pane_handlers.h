// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

class BrowserView;
class Form1;
class ProgramSettings;
struct FormState;

// What the browser pane's controls do: a station heading opens it on that
// station's ionograms, "元のサイズに戻す" returns to the compact window,
// "＜" and "＞" move through the pane's history.
class PaneHandlers {
public:
    PaneHandlers(Form1& window, FormState& form, ProgramSettings& settings, BrowserView& browser)
        : m_window(window), m_form(form), m_settings(settings), m_browser(browser)
    {
    }

    void Label3_MouseUp(int index, Qt::MouseButton button);
    // After a refresh began, and after one that brought some other page
    // than the alert page: the open pane reloads its page too.
    void followRefresh();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    Form1& m_window;
    FormState& m_form;
    ProgramSettings& m_settings;
    BrowserView& m_browser;
};
