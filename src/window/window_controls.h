// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

class BrowserView;
class Form1;
class PeriodEditor;
class ReadoutExplainer;
class RefreshLoop;

// The window's own controls: resize, keep in front, "Ref", the header's
// clicks.
class WindowControls {
public:
    WindowControls(Form1& window, BrowserView& browser, RefreshLoop& loop, PeriodEditor& editor,
                   ReadoutExplainer& explainer)
        : m_window(window), m_browser(browser), m_loop(loop), m_editor(editor),
          m_explainer(explainer)
    {
    }

    void Form_Resize();
    void Check1_Click();
    void Label6_Click();
    void Label1_MouseUp(Qt::MouseButton button);

private:
    Form1& m_window;
    BrowserView& m_browser;
    RefreshLoop& m_loop;
    PeriodEditor& m_editor;
    ReadoutExplainer& m_explainer;
};
