// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/browser_pane.h"

#include "window/browser_view.h"
#include "window/form_controller.h"
#include "core/settings/program_settings.h"
#include "window/window_geometry.h"
#include "core/text/text_helpers.h"
#include "window/form1.h"

namespace {

// Index into `PageUrl` for a left click on heading 0..4.
constexpr int kLeftClickPage[] = {2, 3, 4, 5, 1};
constexpr int kAlertPage = 0;
constexpr int kSummaryHeading = 4;

} // namespace

void BrowserPane::Label3_MouseUp(int index, Qt::MouseButton button)
{
    if (index < 0 || index > kSummaryHeading)
        return;
    FormController& f = m_form;
    try {
        if (button == Qt::LeftButton) {
            f.form.PaneUrl = f.form.PageUrl[kLeftClickPage[index]];
        } else if (button == Qt::RightButton) {
            if (index != kSummaryHeading)
                return;
            f.form.PaneUrl = f.form.PageUrl[kAlertPage];
        }
        f.form.PaneOpen = 1;
        // The pane opens where it was last left.
        ProgramSettings settings(f.settings);
        f.window.setWidth(settings.paneWidth(f.form.ScreenWidth));
        f.window.setHeight(settings.paneHeight(f.form.ScreenHeight));
        f.window.setTop(settings.paneTop());
        f.window.setLeft(settings.paneLeft());
        f.window.keepOnScreen();
        f.browser.navigate(f.form.PaneUrl);
    } catch (const ProcedureFailure&) {
    }
}

void BrowserPane::Command1_Click()
{
    FormController& f = m_form;
    try {
        Form1& window = f.window;
        ProgramSettings settings(f.settings);
        storePaneGeometry(settings, window);
        window.setOuterSize(kCompactWidth, kCompactHeight);
        window.setTop(settings.compactTop());
        window.setLeft(settings.compactLeft());
        window.keepOnScreen();
        f.form.PaneOpen = 0;
        f.browser.stop();
    } catch (const ProcedureFailure&) {
    }
}

void BrowserPane::Command2_Click()
{
    try {
        m_form.browser.back();
    } catch (const ProcedureFailure&) {
    }
}

void BrowserPane::Command3_Click()
{
    try {
        m_form.browser.forward();
    } catch (const ProcedureFailure&) {
    }
}
