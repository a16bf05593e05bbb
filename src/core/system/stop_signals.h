// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <csignal>
#include <functional>
#include <initializer_list>
#include <vector>

class QSocketNotifier;

// Turns signals that ask a program to end (SIGINT and SIGTERM, and SIGHUP
// for the window when the session ends) into a call on the event loop, so
// the program ends as cleanly as it ends by itself. The signal handler only
// writes the signal's number to a pipe. One at a time per process.
class StopSignals : public QObject {
public:
    explicit StopSignals(std::function<void(int signal)> stopped,
                         std::initializer_list<int> handled = {SIGINT, SIGTERM});
    ~StopSignals() override; // default handling comes back

private:
    void onReadable();

    std::function<void(int)> m_stopped;
    std::vector<int> m_signals;
    QSocketNotifier* m_notifier = nullptr;
};
