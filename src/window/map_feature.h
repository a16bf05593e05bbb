// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"
#include "history/history_log.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class ContactLog;
class EsMapWindow;
class FormController;
class HeardSession;
class HomeLocator;
class QWidget;
class RefreshLoop;
class SettingsStore;

// The "Es マップ" window of the running program: opened with Ctrl+M, from
// the tray and from the history window, made on first use (a window never
// opened costs nothing), and following each refresh and the palette.
class MapFeature {
public:
    MapFeature(QWidget& mainWindow, RefreshLoop& loop, FormController& form, HomeLocator& home,
               SettingsStore& settings, std::function<HistoryLog*()> log);
    ~MapFeature();
    MapFeature(const MapFeature&) = delete;
    MapFeature& operator=(const MapFeature&) = delete;

    // Shows the map window, raised, made on first use.
    void openMap();
    EsMapWindow* window() const;
    // The stations heard on the air, or null when the listener is off; new
    // ones reach the map at most once a second.
    void setHeardSession(HeardSession* session);
    // The operator's logged contacts, or null without logs.
    void setContacts(ContactLog* contacts);

private:
    QWidget& m_mainWindow;
    FormController& m_form;
    HomeLocator& m_home;
    SettingsStore& m_settings;
    std::function<HistoryLog*()> m_log;
    // What the map shows when it is first made.
    ReadoutState m_latest;
    QPointer<EsMapWindow> m_window;
    QPointer<HeardSession> m_session;
    QPointer<ContactLog> m_contacts;
    QMetaObject::Connection m_heardConnection;
    QTimer m_heardTick;
    // Ends the connections to the window's refreshes first.
    QObject m_context;
};
