// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a call on the event loop, so a long-running
// command ends as cleanly as it ends by itself. The signal handler only
// writes the signal's number to a pipe. One at a time per process.
class StopSignals : public QObject {
public:
    explicit StopSignals(std::function<void(int signal)> stopped);
    ~StopSignals() override; // default handling comes back

private:
    void onReadable();

    std::function<void(int)> m_stopped;
    QSocketNotifier* m_notifier = nullptr;
};
