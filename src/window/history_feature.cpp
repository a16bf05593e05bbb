// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history_feature.h"

#include "core/refresh/refresh_loop.h"
#include "core/settings/program_settings.h"
#include "history/contact_log.h"
#include "history_ui/history_window.h"
#include "window/key_bindings.h"

#include <QShortcut>

HistoryFeature::HistoryFeature(QWidget& mainWindow, RefreshLoop& loop, SettingsStore& settings,
                               std::function<QString()> databasePath)
    : m_recorder(std::move(databasePath),
                 [&settings] { return ProgramSettings(settings).keepDays(); }),
      m_mainWindow(mainWindow), m_settings(settings),
      m_shortcut(new QShortcut(keysFor(KeyAction::OpenHistory).constFirst(), &mainWindow))
{
    if (const QStringList logs = ProgramSettings(settings).logFiles(); !logs.isEmpty())
        m_contacts = std::make_unique<ContactLog>(logs);
    QObject::connect(m_shortcut, &QShortcut::activated, &m_context, [this] { openHistory(); });
    QObject::connect(&loop, &RefreshLoop::refreshed, &m_context,
                     [this](RefreshOutcome outcome, const ReadoutState& readout) {
                         refreshed(outcome, readout);
                     });
}

HistoryFeature::~HistoryFeature()
{
    // The window reads the recorder's log: it goes first.
    delete m_window.data();
    delete m_shortcut.data();
}

void HistoryFeature::refreshed(RefreshOutcome outcome, const ReadoutState& readout)
{
    if (m_recorder.recordRefresh(outcome, readout) && m_window && m_window->isVisible())
        m_window->reload();
}

HistoryWindow* HistoryFeature::window() const
{
    return m_window;
}

void HistoryFeature::offerMap(std::function<void()> openMap)
{
    m_openMap = std::move(openMap);
    if (m_window)
        m_window->offerMap(m_openMap);
}

void HistoryFeature::openHistory()
{
    if (!m_window) {
        m_window = new HistoryWindow([this] { return m_recorder.log(); }, &m_mainWindow);
        m_window->offerMap(m_openMap);
        m_window->showContacts(m_contacts.get(), [this] {
            return ProgramSettings(m_settings).homeLocator().value_or(QString());
        });
    }
    m_window->reload();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
