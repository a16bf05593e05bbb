// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

class Form1;
class MessageBoxes;
struct ReadoutState;

// The readout's explanations: grid tooltips, a station's reading on a left
// click, the header's help and the summary heading's hint. They only read
// what the last refresh left.
class ReadoutExplainer {
public:
    ReadoutExplainer(Form1& window, const ReadoutState& readout, MessageBoxes& boxes)
        : m_window(window), m_readout(readout), m_boxes(boxes)
    {
    }

    void Label2_MouseMove(int index);
    void Label2_MouseUp(int index, Qt::MouseButton button);
    void Label3_MouseMove(int index);
    // The help box: its own text, then what the colours and marks mean
    // and the window's keys.
    void showHelp();

private:
    Form1& m_window;
    const ReadoutState& m_readout;
    MessageBoxes& m_boxes;
};
