// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_controls.h"

#include "core/refresh/refresh_loop.h"
#include "core/system/procedure_failure.h"
#include "window/browser_view.h"
#include "window/form1.h"
#include "window/period_editor.h"
#include "window/readout_explainer.h"

#include <QCheckBox>

namespace {

// Room the controls left of and below the browser view take, twips.
constexpr int kBrowserWidthOffset = 2400;
constexpr int kBrowserHeightOffset = 850;

} // namespace

void WindowControls::Form_Resize()
{
    // Each setting that fails (a negative size) is skipped on its own.
    try {
        m_browser.setWidth(m_window.Width() - kBrowserWidthOffset);
    } catch (const ProcedureFailure&) {
    }
    try {
        m_browser.setHeight(m_window.Height() - kBrowserHeightOffset);
    } catch (const ProcedureFailure&) {
    }
}

void WindowControls::Check1_Click()
{
    try {
        m_window.setKeepInFront(m_window.Check1->isChecked());
        m_browser.focus();
    } catch (const ProcedureFailure&) {
    }
}

// The pane's page follows the refresh (PaneHandlers::followRefresh).
void WindowControls::Label6_Click()
{
    m_loop.RefreshAlert();
    m_window.repaint();
}

void WindowControls::Label1_MouseUp(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        m_editor.open();
    else if (button == Qt::LeftButton)
        m_explainer.showHelp();
}
