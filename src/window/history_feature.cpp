// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history_feature.h"

#include "core/settings/program_settings.h"
#include "history_ui/history_window.h"
#include "window/accessible_texts.h"
#include "window/form_controller.h"

#include <QShortcut>

HistoryFeature::HistoryFeature(QWidget& mainWindow, FormController& form, SettingsStore& settings,
                               std::function<QString()> databasePath)
    : m_recorder(std::move(databasePath),
                 [&settings] { return ProgramSettings(settings).keepDays(); }),
      m_mainWindow(mainWindow), m_form(form),
      m_shortcut(new QShortcut(keysFor(KeyAction::OpenHistory).constFirst(), &mainWindow))
{
    QObject::connect(m_shortcut, &QShortcut::activated, &m_context, [this] { openHistory(); });
    QObject::connect(&form, &FormController::refreshed, &m_context,
                     [this](RefreshOutcome outcome) { pageFinished(outcome); });
}

HistoryFeature::~HistoryFeature()
{
    // The window reads the recorder's log: it goes first.
    delete m_window.data();
    delete m_shortcut.data();
}

void HistoryFeature::pageFinished(RefreshOutcome outcome)
{
    if (m_recorder.pageFinished(outcome, m_form.readout()) && m_window && m_window->isVisible())
        m_window->reload();
}

HistoryWindow* HistoryFeature::window() const
{
    return m_window;
}

void HistoryFeature::openHistory()
{
    if (!m_window)
        m_window = new HistoryWindow([this] { return m_recorder.log(); }, &m_mainWindow);
    m_window->reload();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
