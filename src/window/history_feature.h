// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/page_refresh.h"
#include "history/history_recorder.h"

#include <QPointer>

#include <functional>

class HistoryWindow;
class QShortcut;
class QWidget;
class SettingsStore;
struct ReadoutState;

// The running window's history: logs each accepted page, and opens the
// "履歴" chart window on Ctrl+H or when asked.
class HistoryFeature {
public:
    // Logging is off when `databasePath` is empty or gives an empty path.
    HistoryFeature(QWidget& mainWindow, const ReadoutState& readout, SettingsStore& settings,
                   std::function<QString()> databasePath);
    ~HistoryFeature();
    HistoryFeature(const HistoryFeature&) = delete;
    HistoryFeature& operator=(const HistoryFeature&) = delete;

    // After each refresh, with how it ended.
    void pageFinished(RefreshOutcome outcome);

    // Shows the chart window, raised, made on first use.
    void openHistory();
    HistoryWindow* window() const;

    HistoryRecorder recorder;

private:
    QWidget& m_mainWindow;
    const ReadoutState& m_readout;
    QPointer<QShortcut> m_shortcut;
    QPointer<HistoryWindow> m_window;
};
