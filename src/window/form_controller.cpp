// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form_controller.h"

#include "window/browser_view.h"
#include "core/text/text_helpers.h"
#include "core/refresh/timer.h"
#include "window/form1.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>

namespace {

std::unique_ptr<Timer> ownTimer(Timer* given, std::function<void()> tick) {
    if (given)
        return nullptr;
    return std::make_unique<QtTimer>(std::move(tick));
}

} // namespace

FormController::FormController(Form1& window, FormSeams seams)
    : window(window), boxes(seams.boxes), clock(seams.clock), browser(seams.browser),
      download(seams.download), programDirectory(seams.programDirectory),
      settings(seams.programDirectory, seams.boxes),
      m_ownTimer1(ownTimer(seams.timer1, [this] { scheduler.Timer1_Timer(); })),
      m_ownTimer2(ownTimer(seams.timer2, [this] { scheduler.Timer2_Timer(); })),
      Timer1(seams.timer1 ? *seams.timer1 : *m_ownTimer1),
      Timer2(seams.timer2 ? *seams.timer2 : *m_ownTimer2),
      fetch(readout, conv, seams.download, seams.boxes, Timer1, *this), scheduler(*this),
      editor(*this), controls(*this), explainer(*this), pane(*this), startup(*this),
      history(window, readout, settings, seams.historyPath) {
    connectControls();
    fetch.finished = [this](RefreshOutcome outcome) {
        const auto listeners = refreshListeners; // a listener may add another
        for (const auto& listener : listeners)
            listener(outcome);
    };
    refreshListeners.push_back([this](RefreshOutcome outcome) { history.pageFinished(outcome); });
}

FormController::~FormController() = default;

void FormController::connectControls() {
    QObject::connect(&window, &Form1::resized, &m_context, [this] { controls.Form_Resize(); });
    QObject::connect(&window, &Form1::unloading, &m_context, [this] { startup.Form_Unload(); });
    QObject::connect(window.Label1, &ClickableLabel::mouseReleased, &m_context,
                     [this](Qt::MouseButton button) { controls.Label1_MouseUp(button); });
    for (int i = 0; i < kCellCount; ++i) {
        QObject::connect(window.Label2[i], &ClickableLabel::mouseMoved, &m_context,
                         [this, i] { explainer.Label2_MouseMove(i); });
        QObject::connect(
            window.Label2[i], &ClickableLabel::mouseReleased, &m_context,
            [this, i](Qt::MouseButton button) { explainer.Label2_MouseUp(i, button); });
    }
    for (int i = 0; i < static_cast<int>(window.Label3.size()); ++i) {
        QObject::connect(window.Label3[i], &ClickableLabel::mouseMoved, &m_context,
                         [this, i] { explainer.Label3_MouseMove(i); });
    }
    QObject::connect(window.Label6, &ClickableLabel::clicked, &m_context,
                     [this] { controls.Label6_Click(); });
    QObject::connect(window.Check1, &QCheckBox::stateChanged, &m_context,
                     [this] { controls.Check1_Click(); });
    QObject::connect(window.VScroll1, &QScrollBar::valueChanged, &m_context,
                     [this] { editor.VScroll1_Change(); });
    QObject::connect(window.Command5, &QPushButton::clicked, &m_context,
                     [this] { editor.Command5_Click(); });
    QObject::connect(window.Command6, &QPushButton::clicked, &m_context,
                     [this] { editor.Command6_Click(); });
    for (int k = 0; k < static_cast<int>(window.Label3.size()); ++k) {
        QObject::connect(window.Label3[k], &ClickableLabel::mouseReleased, &m_context,
                         [this, k](Qt::MouseButton button) { pane.Label3_MouseUp(k, button); });
    }
    QObject::connect(window.Command1, &QPushButton::clicked, &m_context,
                     [this] { pane.Command1_Click(); });
    QObject::connect(window.Command2, &QPushButton::clicked, &m_context,
                     [this] { pane.Command2_Click(); });
    QObject::connect(window.Command3, &QPushButton::clicked, &m_context,
                     [this] { pane.Command3_Click(); });
}

void FormController::render() {
    window.render(readout);
}

void FormController::readoutChanged() {
    render();
}

void FormController::reloadPaneIfOpen() {
    if (form.PaneOpen != 1)
        return;
    try {
        browser.reload();
    } catch (const ProcedureFailure&) {
    }
}

void FormController::closeWindow() {
    window.close();
}
