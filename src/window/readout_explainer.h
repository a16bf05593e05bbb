// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

class FormController;

// The readout's explanations: grid tooltips, a station's reading on a left
// click, the header's help and the summary heading's hint. They only read
// what the last refresh left.
class ReadoutExplainer {
public:
    explicit ReadoutExplainer(FormController& form) : m_form(form) {}

    void Label2_MouseMove(int index);
    void Label2_MouseUp(int index, Qt::MouseButton button);
    void Label3_MouseMove(int index);
    void showHelp();

private:
    FormController& m_form;
};
