// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/browser_pane.h"

#include "app/browser_view.h"
#include "app/form_controller.h"
#include "app/stored_settings.h"
#include "app/window_geometry.h"
#include "support/text_helpers.h"
#include "view/form1.h"

#include <cmath>

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
        // The pane opens where it was last left, or on most of the screen.
        const auto defaultWidth = static_cast<int>(std::lround(f.form.ScreenWidth * 0.85));
        const auto defaultHeight = static_cast<int>(std::lround(f.form.ScreenHeight * 0.7));
        // A value that is not a number counts as missing.
        f.window.setWidth(storedNumberOr(f.settings, QStringLiteral("ESW"), defaultWidth));
        f.window.setHeight(storedNumberOr(f.settings, QStringLiteral("ESH"), defaultHeight));
        f.window.setTop(storedNumberOr(f.settings, QStringLiteral("ESWT"), 0));
        f.window.setLeft(storedNumberOr(f.settings, QStringLiteral("ESWL"), 0));
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
        storePaneGeometry(f.settings, window);
        window.setOuterSize(kCompactWidth, kCompactHeight);
        window.setTop(storedNumberOr(f.settings, QStringLiteral("ESTop"), 0));
        window.setLeft(storedNumberOr(f.settings, QStringLiteral("ESLeft"), 0));
        window.keepOnScreen();
        f.form.PaneOpen = 0;
        f.browser.stop();
        f.browser.suspend();
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
