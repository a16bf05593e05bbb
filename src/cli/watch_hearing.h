// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/udp_listen_address.h"
#include "heard/heard_session.h"
#include "history/heard_recorder.h"
#include "net/udp_listener.h"

#include <QObject>

#include <functional>

class HistoryLog;
struct ReadoutState;

// What `watch --listen` hears: the decodes WSJT-X and JTDX send to
// `address`, each judged by the pages watch reads (from `home`, ESHome,
// else each client's own grid), logged into the history log (`log`, null
// when off) and printed, one line each, beside the page lines.
class WatchHearing : public QObject {
public:
    WatchHearing(const UdpListenAddress& address, const QString& home, bool json,
                 const std::function<HistoryLog*()>& log);

    // After each accepted page.
    void addReading(const ReadoutState& readout);

private:
    CallLocator m_locator;
    HeardSession m_session;
    HeardRecorder m_recorder;
    UdpListener m_listener;
};
