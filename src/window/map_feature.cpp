// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/map_feature.h"

#include "core/refresh/refresh_loop.h"
#include "heard/heard_session.h"
#include "history/contact_log.h"
#include "history/heard_record.h"
#include "map_ui/es_map_window.h"
#include "window/bring_to_front.h"
#include "window/form_controller.h"
#include "window/key_bindings.h"

#include <QShortcut>

MapFeature::MapFeature(QWidget& mainWindow, RefreshLoop& loop, FormController& form,
                       HomeLocator& home, SettingsStore& settings, std::function<HistoryLog*()> log)
    : m_mainWindow(mainWindow), m_form(form), m_home(home), m_settings(settings),
      m_log(std::move(log))
{
    auto* shortcut = new QShortcut(keysFor(KeyAction::OpenMap).constFirst(), &mainWindow);
    QObject::connect(shortcut, &QShortcut::activated, &m_context, [this] { openMap(); });
    QObject::connect(&loop, &RefreshLoop::refreshed, &m_context,
                     [this](RefreshOutcome outcome, const ReadoutState& readout) {
                         if (!isAccepted(outcome))
                             return;
                         m_latest = readout;
                         if (m_window)
                             m_window->showReadout(readout);
                     });
    QObject::connect(&form, &FormController::signalPaletteChanged, &m_context,
                     [this](SignalPalette palette) {
                         if (m_window)
                             m_window->setSignalPalette(palette);
                     });
    m_heardTick.setSingleShot(true);
    m_heardTick.setInterval(1000);
    QObject::connect(&m_heardTick, &QTimer::timeout, &m_context, [this] {
        if (m_window)
            m_window->refreshHeard();
    });
}

MapFeature::~MapFeature()
{
    delete m_window.data();
}

EsMapWindow* MapFeature::window() const
{
    return m_window;
}

void MapFeature::setHeardSession(HeardSession* session)
{
    QObject::disconnect(m_heardConnection);
    m_session = session;
    if (session)
        m_heardConnection = QObject::connect(session, &HeardSession::heard, &m_context, [this] {
            if (m_window && !m_heardTick.isActive())
                m_heardTick.start();
        });
    if (m_window)
        m_window->setHeardSession(session);
}

void MapFeature::setContacts(ContactLog* contacts)
{
    m_contacts = contacts;
    if (m_window)
        m_window->setContacts(contacts);
}

void MapFeature::openMap()
{
    if (!m_window) {
        m_window = new EsMapWindow(m_log, m_home, m_settings, &m_mainWindow);
        m_window->setSignalPalette(m_form.signalPalette());
        m_window->setHeardSession(m_session);
        m_window->setContacts(m_contacts);
        // Older readings show what the history log kept of their time.
        m_window->setHeardSource([log = m_log](const QDateTime& fromUtc, const QDateTime& toUtc) {
            std::vector<HeardStation> stations;
            if (HistoryLog* open = log())
                for (const HeardRecord& record : open->readHeard({fromUtc, toUtc, {}}))
                    stations.push_back(heardStationOf(record));
            return stations;
        });
        if (m_latest.pageArrivedUtc)
            m_window->showReadout(m_latest);
    }
    bringToFront(*m_window);
}
