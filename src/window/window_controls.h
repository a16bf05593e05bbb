// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

class FormController;

// The window's own controls: resize, keep in front, "Ref", the header's
// clicks.
class WindowControls {
public:
    explicit WindowControls(FormController& form) : m_form(form) {}

    void Form_Resize();
    void Check1_Click();
    void Label6_Click();
    void Label1_MouseUp(Qt::MouseButton button);

private:
    FormController& m_form;
};
