// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/refresh_scheduler.h"

#include "window/browser_view.h"
#include "core/refresh/clock.h"
#include "core/page/readout_state.h"
#include "core/refresh/fetch_cycle.h"
#include "window/form1.h"
#include "window/form_state.h"
#include "core/refresh/schedule.h"
#include "core/text/text_helpers.h"

void RefreshScheduler::startCounting()
{
    const QTime now = m_clock.now();
    m_lastTickSecond = now.minute() * 60 + now.second();
}

void RefreshScheduler::Timer2_Timer()
{
    try {
        const QTime now = m_clock.now();
        FormState& form = m_form;
        const TickOutcome tick = advanceTick(form.ReloadElapsed, m_lastTickSecond,
                                             form.ReloadPeriod, m_readout.StatusPhrase,
                                             now.minute(), now.second());
        m_readout.windowCaption = tick.caption;
        m_window.render(m_readout);
        if (!tick.reloadDue)
            return;
        m_fetch.RefreshAlert();
        form.ReloadElapsed = 0;
        if (form.PaneOpen == 1)
            m_browser.reload();
    } catch (const ProcedureFailure&) {
    }
}

void RefreshScheduler::Timer1_Timer()
{
    try {
        m_fetch.RefreshAlert();
        if (m_form.PaneOpen == 1)
            m_browser.reload();
    } catch (const ProcedureFailure&) {
    }
}
