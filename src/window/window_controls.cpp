// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_controls.h"

#include "window/browser_view.h"
#include "window/form_controller.h"
#include "core/text/text_helpers.h"
#include "window/form1.h"

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
        m_form.browser.setWidth(m_form.window.Width() - kBrowserWidthOffset);
    } catch (const ProcedureFailure&) {
    }
    try {
        m_form.browser.setHeight(m_form.window.Height() - kBrowserHeightOffset);
    } catch (const ProcedureFailure&) {
    }
}

void WindowControls::Check1_Click()
{
    try {
        m_form.window.setKeepInFront(m_form.window.Check1->isChecked());
        m_form.browser.focus();
    } catch (const ProcedureFailure&) {
    }
}

void WindowControls::Label6_Click()
{
    try {
        m_form.fetch.RefreshAlert();
        if (m_form.form.PaneOpen == 1)
            m_form.browser.reload();
        m_form.window.repaint();
    } catch (const ProcedureFailure&) {
    }
}

void WindowControls::Label1_MouseUp(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        m_form.editor.open();
    else if (button == Qt::LeftButton)
        m_form.explainer.showHelp();
}
