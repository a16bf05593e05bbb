// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/page_refresh.h"
#include "history/history_recorder.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class ContactLog;
class HistoryWindow;
class RefreshLoop;
class QShortcut;
class QWidget;
class SettingsStore;

// The running window's history: logs each accepted page, follows the
// operator's ADIF logs (ESLogFile, else WSJT-X's and JTDX's) when there are
// any, and opens the "履歴" chart window on Ctrl+H or when asked.
class HistoryFeature {
public:
    // Logging is off when `databasePath` is empty or gives an empty path.
    HistoryFeature(QWidget& mainWindow, RefreshLoop& loop, SettingsStore& settings,
                   std::function<QString()> databasePath);
    ~HistoryFeature();
    HistoryFeature(const HistoryFeature&) = delete;
    HistoryFeature& operator=(const HistoryFeature&) = delete;

    // Shows the chart window, raised, made on first use.
    void openHistory();
    // The chart window's way to the Es map.
    void offerMap(std::function<void()> openMap);
    HistoryWindow* window() const;
    HistoryRecorder& recorder() { return m_recorder; }
    // The contacts followed; null without a log. Logged ADIF datagrams go to
    // its addAdifText().
    ContactLog* contacts() const { return m_contacts.get(); }

private:
    void refreshed(RefreshOutcome outcome, const ReadoutState& readout);

    HistoryRecorder m_recorder;
    QWidget& m_mainWindow;
    SettingsStore& m_settings;
    std::unique_ptr<ContactLog> m_contacts;
    QPointer<QShortcut> m_shortcut;
    QPointer<HistoryWindow> m_window;
    std::function<void()> m_openMap;
    // Ends the connection to the window's refreshes first.
    QObject m_context;
};
