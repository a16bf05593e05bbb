// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

class BrowserView;
class FetchCycle;
class Form1;
class PeriodEditor;
class ReadoutExplainer;
struct FormState;

// The window's own controls: resize, keep in front, "Ref", the header's
// clicks.
class WindowControls {
public:
    WindowControls(Form1& window, FormState& form, BrowserView& browser, FetchCycle& fetch,
                   PeriodEditor& editor, ReadoutExplainer& explainer)
        : m_window(window), m_form(form), m_browser(browser), m_fetch(fetch), m_editor(editor),
          m_explainer(explainer)
    {
    }

    void Form_Resize();
    void Check1_Click();
    void Label6_Click();
    void Label1_MouseUp(Qt::MouseButton button);

private:
    Form1& m_window;
    FormState& m_form;
    BrowserView& m_browser;
    FetchCycle& m_fetch;
    PeriodEditor& m_editor;
    ReadoutExplainer& m_explainer;
};
