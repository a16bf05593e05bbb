// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/page_refresh.h"
#include "history/history_recorder.h"

#include <QObject>
#include <QPointer>

#include <functional>

class HistoryWindow;
class RefreshLoop;
class QShortcut;
class QWidget;
class SettingsStore;

// The running window's history: logs each accepted page, and opens the
// "履歴" chart window on Ctrl+H or when asked.
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

private:
    void refreshed(RefreshOutcome outcome, const ReadoutState& readout);

    HistoryRecorder m_recorder;
    QWidget& m_mainWindow;
    QPointer<QShortcut> m_shortcut;
    QPointer<HistoryWindow> m_window;
    std::function<void()> m_openMap;
    // Ends the connection to the window's refreshes first.
    QObject m_context;
};
