// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/signal_indicator.h"

#include <QStringList>

#include <functional>

class Form1;
class QAccessibleEvent;

// What a screen reader hears of the window: names for the controls whose
// captions say little, and for each readout the cells as words (station,
// quantity, value, level). A rise of the Es summary is announced.
class AccessibleReadout {
public:
    // Names the fixed controls of `window`.
    explicit AccessibleReadout(Form1& window);

    // Names the cells after `state`; called with every render.
    void update(const ReadoutState& state);

    // The stations heard in Es range lately (heardLine's words), as the
    // window's description; none leaves it empty.
    void setHeardLines(const QStringList& lines);

    // Where the announcement goes: Qt's accessibility bridge, or a test.
    using EventSink = std::function<void(QAccessibleEvent& event)>;
    void setEventSink(EventSink sink) { m_send = std::move(sink); }

private:
    Form1& m_window;
    EventSink m_send;
    // The window starts green, so the first readout can already rise.
    CellLevel m_esSummary = CellLevel::Quiet;
};
