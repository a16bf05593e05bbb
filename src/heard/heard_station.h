// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/call_location.h"
#include "heard/dial_band.h"
#include "heard/grid_memory.h"
#include "heard/heard_path.h"
#include "heard/wsjtx_message.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>

// What each client (WSJT-X, JTDX; told apart by id) last said of itself.
struct ClientStatus {
    quint64 dialHz = 0;
    QString mode; // "FT8"
    QString deCall;
    QString deGrid;
};

class ClientBands {
public:
    // Clients beyond this many are not followed (made-up ids in a flood).
    static constexpr qsizetype kMaxClients = 64;

    void update(const WsjtxStatus& status);
    // On Close.
    void forget(const QString& id);
    const ClientStatus* statusOf(const QString& id) const;

private:
    QHash<QString, ClientStatus> m_clients;
};

// One decode: who, from where, on which band, and the path from home.
struct HeardStation {
    QDateTime time; // UTC
    QString client;
    std::optional<DialBand> band; // from the client's last Status
    double dialMHz = 0;           // 0 without a Status
    QString mode;
    int snr = 0;
    QString call;
    bool hashed = false;
    QString message; // the decode's text as sent
    std::optional<CallLocation> location;
    std::optional<HeardPath> path; // with a home and a location
};

// The station behind `decode`, received at `received`; nothing when the
// message names no sender. A grid the message carries is remembered in
// `memory` first. Home is `homeLocator` (ESHome), else the client's DE
// grid. `reading`: the page to judge by (or nullptr).
std::optional<HeardStation> heardStationOf(const WsjtxDecode& decode, const QDateTime& received,
                                           const ClientBands& clients, const QString& homeLocator,
                                           const CallLocator& locator, GridMemory& memory,
                                           const EsReading* reading);
