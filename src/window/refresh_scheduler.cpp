// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/refresh_scheduler.h"

#include "core/page/readout_state.h"
#include "core/refresh/clock.h"
#include "core/refresh/fetch_cycle.h"
#include "core/refresh/schedule.h"
#include "core/text/text_helpers.h"
#include "window/browser_view.h"
#include "window/form1.h"
#include "window/form_state.h"

void RefreshScheduler::startCounting()
{
    m_countdown.start(m_clock.now());
}

void RefreshScheduler::Timer2_Timer()
{
    try {
        const TickOutcome tick = m_countdown.tick(m_clock.now(), m_readout.StatusPhrase);
        m_readout.windowCaption = tick.caption;
        m_window.render(m_readout);
        if (!tick.reloadDue)
            return;
        m_fetch.RefreshAlert();
        m_countdown.restart();
        if (m_form.PaneOpen == 1)
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
