// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/refresh_scheduler.h"

#include "window/browser_view.h"
#include "core/refresh/clock.h"
#include "window/form_controller.h"
#include "core/refresh/schedule.h"
#include "core/text/text_helpers.h"

void RefreshScheduler::startCounting()
{
    const QTime now = m_form.clock.now();
    m_lastTickSecond = now.minute() * 60 + now.second();
}

void RefreshScheduler::Timer2_Timer()
{
    try {
        const QTime now = m_form.clock.now();
        FormState& form = m_form.form;
        const TickOutcome tick = advanceTick(form.ReloadElapsed, m_lastTickSecond,
                                             form.ReloadPeriod, m_form.readout.StatusPhrase,
                                             now.minute(), now.second());
        m_form.readout.windowCaption = tick.caption;
        m_form.render();
        if (!tick.reloadDue)
            return;
        m_form.fetch.RefreshAlert();
        form.ReloadElapsed = 0;
        if (form.PaneOpen == 1)
            m_form.browser.reload();
    } catch (const ProcedureFailure&) {
    }
}

void RefreshScheduler::Timer1_Timer()
{
    try {
        m_form.fetch.RefreshAlert();
        if (m_form.form.PaneOpen == 1)
            m_form.browser.reload();
    } catch (const ProcedureFailure&) {
    }
}
