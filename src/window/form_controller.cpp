// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form_controller.h"

#include "core/page/page_urls.h"
#include "core/refresh/clock.h"
#include "core/refresh/refresh_loop.h"
#include "core/status/data_age.h"
#include "window/form1.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>

FormController::FormController(Form1& window, RefreshLoop& loop, FormSeams seams)
    : m_window(window), m_loop(loop), m_clock(seams.clock), m_settings(seams.settings),
      m_editor(window, loop.countdown(), seams.clock, m_settings),
      m_explainer(window, loop.readout(), seams.boxes),
      m_controls(window, seams.browser, loop, m_editor, m_explainer),
      m_pane(window, m_state, m_settings, seams.browser), m_keys(window, m_state),
      m_startup({window, m_state, loop, m_settings, seams.browser, seams.timer1, seams.timer2,
                 std::move(seams.settingsDirectory)}),
      m_keeper(window, m_state, m_settings)
{
    connectControls();
    connectLoop();
}

FormController::~FormController() = default;

void FormController::connectControls()
{
    Form1& w = m_window;
    connect(&w, &Form1::resized, this, [this] { m_controls.Form_Resize(); });
    connect(&w, &Form1::unloading, this, [this] { m_startup.Form_Unload(); });
    connect(w.Label1, &ClickableLabel::mouseReleased, this,
            [this](Qt::MouseButton button) { m_controls.Label1_MouseUp(button); });
    for (int i = 0; i < kCellCount; ++i) {
        connect(w.Label2[i], &ClickableLabel::mouseMoved, this,
                [this, i] { m_explainer.Label2_MouseMove(i); });
        connect(w.Label2[i], &ClickableLabel::mouseReleased, this,
                [this, i](Qt::MouseButton button) { m_explainer.Label2_MouseUp(i, button); });
    }
    for (int i = 0; i < static_cast<int>(w.Label3.size()); ++i) {
        connect(w.Label3[i], &ClickableLabel::mouseMoved, this,
                [this, i] { m_explainer.Label3_MouseMove(i); });
        connect(w.Label3[i], &ClickableLabel::mouseReleased, this,
                [this, i](Qt::MouseButton button) { m_pane.Label3_MouseUp(i, button); });
    }
    connect(w.Label6, &ClickableLabel::clicked, this, [this] { m_controls.Label6_Click(); });
    connect(w.Check1, &QCheckBox::stateChanged, this, [this] { m_controls.Check1_Click(); });
    connect(w.Check1, &QCheckBox::toggled, this, &FormController::keepInFrontChanged);
    connect(w.VScroll1, &QScrollBar::valueChanged, this, [this] { m_editor.VScroll1_Change(); });
    connect(w.Command5, &QPushButton::clicked, this, [this] {
        m_editor.Command5_Click();
        emit reloadPeriodChanged(m_loop.countdown().ReloadPeriod());
    });
    connect(w.Command6, &QPushButton::clicked, this, [this] { m_editor.Command6_Click(); });
    connect(w.Command1, &QPushButton::clicked, this, [this] { m_pane.Command1_Click(); });
    connect(w.Command2, &QPushButton::clicked, this, [this] { m_pane.Command2_Click(); });
    connect(w.Command3, &QPushButton::clicked, this, [this] { m_pane.Command3_Click(); });
}

void FormController::connectLoop()
{
    connect(&m_loop, &RefreshLoop::readoutChanged, this, [this] { render(); });
    connect(&m_loop, &RefreshLoop::refreshStarted, this, [this] { m_pane.followRefresh(); });
    connect(&m_loop, &RefreshLoop::refreshed, this, [this](RefreshOutcome outcome) {
        if (outcome == RefreshOutcome::NotAlertPage)
            m_pane.followRefresh();
        else if (outcome == RefreshOutcome::Forbidden)
            m_window.close(); // the shut-down ends the program
    });
}

void FormController::Form_Load(const QString& arguments)
{
    const SignalPalette before = signalPalette();
    m_startup.Form_Load(arguments);
    if (signalPalette() != before)
        emit signalPaletteChanged(signalPalette());
}

// The loop writes the caption and starts the reloads; the pane follows
// them (connectLoop).
void FormController::Timer1_Timer()
{
    m_loop.retry();
}

void FormController::Timer2_Timer()
{
    m_loop.tick();
}

void FormController::reloadNow()
{
    m_controls.Label6_Click();
}

void FormController::openPeriodEditor()
{
    m_editor.open();
}

void FormController::setKeepInFront(bool on)
{
    m_window.Check1->setChecked(on);
}

bool FormController::keepsInFront() const
{
    return m_window.Check1->isChecked();
}

SignalPalette FormController::signalPalette() const
{
    return m_window.signalPalette();
}

void FormController::setSignalPalette(SignalPalette palette)
{
    if (palette == signalPalette())
        return;
    m_settings.setPalette(palette);
    showPalette(palette);
}

void FormController::showPalette(SignalPalette palette)
{
    m_window.setSignalPalette(palette);
    render();
    emit signalPaletteChanged(palette);
}

void FormController::followStoredSettings()
{
    const int period = m_settings.reloadPeriod();
    if (period != m_loop.countdown().ReloadPeriod())
        m_editor.adopt(period);
    const SignalPalette palette = m_settings.palette();
    if (palette != signalPalette())
        showPalette(palette);
    const std::array<QString, 6> urls = pageUrls(m_settings.alertPageBase());
    if (urls != m_state.PageUrl) {
        // An open pane keeps its page until a heading is clicked.
        m_state.PageUrl = urls;
        m_loop.setAlertUrl(urls[0]);
        reloadNow();
    }
}

void FormController::render()
{
    m_window.setDataAge(dataAge(m_loop.readout(), m_clock.nowUtc()));
    m_window.render(m_loop.readout());
}
