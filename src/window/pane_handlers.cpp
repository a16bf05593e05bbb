// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/pane_handlers.h"

#include "core/settings/program_settings.h"
#include "core/system/procedure_failure.h"
#include "window/browser_view.h"
#include "window/form1.h"
#include "window/form_state.h"
#include "window/window_geometry.h"

namespace {

// Index into `PageUrl` for a left click on heading 0..4.
constexpr int kLeftClickPage[] = {2, 3, 4, 5, 1};
constexpr int kAlertPage = 0;

} // namespace

void PaneHandlers::Label3_MouseUp(int index, Qt::MouseButton button)
{
    if (index < 0 || index > kSummaryHeading)
        return;
    try {
        if (button == Qt::LeftButton) {
            m_form.PaneUrl = m_form.PageUrl[kLeftClickPage[index]];
        } else if (button == Qt::RightButton) {
            if (index != kSummaryHeading)
                return;
            m_form.PaneUrl = m_form.PageUrl[kAlertPage];
        }
        m_browser.ensureUsable(); // the window stays compact when it is not
        m_form.PaneOpen = 1;
        m_window.setPaneLayout(true);
        // The pane opens where it was last left.
        m_window.setWidth(m_settings.paneWidth(m_form.ScreenWidth));
        m_window.setHeight(m_settings.paneHeight(m_form.ScreenHeight));
        m_window.setTop(m_settings.paneTop());
        m_window.setLeft(m_settings.paneLeft());
        m_window.keepOnScreen();
        m_browser.navigate(m_form.PaneUrl);
    } catch (const ProcedureFailure&) {
    }
}

void PaneHandlers::followRefresh()
{
    if (m_form.PaneOpen != 1)
        return;
    try {
        m_browser.reload();
    } catch (const ProcedureFailure&) {
    }
}

void PaneHandlers::Command1_Click()
{
    try {
        Form1& window = m_window;
        storePaneGeometry(m_settings, window);
        window.setPaneLayout(false);
        window.setOuterSize(kCompactWidth, kCompactHeight);
        window.setTop(m_settings.compactTop());
        window.setLeft(m_settings.compactLeft());
        window.keepOnScreen();
        m_form.PaneOpen = 0;
        m_browser.stop();
        m_browser.suspend();
    } catch (const ProcedureFailure&) {
    }
}

void PaneHandlers::Command2_Click()
{
    try {
        m_browser.back();
    } catch (const ProcedureFailure&) {
    }
}

void PaneHandlers::Command3_Click()
{
    try {
        m_browser.forward();
    } catch (const ProcedureFailure&) {
    }
}
