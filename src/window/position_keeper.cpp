// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/position_keeper.h"

#include "core/settings/program_settings.h"
#include "core/system/procedure_failure.h"
#include "window/form1.h"
#include "window/form_state.h"
#include "window/window_geometry.h"

#include <QEvent>

PositionKeeper::PositionKeeper(Form1& window, const FormState& form, ProgramSettings& settings,
                               int settleMs)
    : m_window(window), m_form(form), m_settings(settings)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMs);
    connect(&m_settle, &QTimer::timeout, this, &PositionKeeper::keep);
    window.installEventFilter(this);
}

bool PositionKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::Move)
        m_settle.start();
    return QObject::eventFilter(watched, event);
}

void PositionKeeper::keep()
{
    if (m_form.PaneOpen != 0 || !m_window.isVisible() || !positionIsWorthKeeping(m_window))
        return;
    // Only a change is written: the file stays as it is otherwise.
    if (m_window.Top() == m_settings.compactTop() && m_window.Left() == m_settings.compactLeft())
        return;
    try {
        storeCompactPosition(m_settings, m_window);
    } catch (const ProcedureFailure&) {
    }
}
