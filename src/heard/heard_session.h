// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/call_location.h"
#include "heard/grid_memory.h"
#include "heard/heard_station.h"
#include "heard/reading_timeline.h"
#include "heard/wsjtx_message.h"

#include <QObject>
#include <QSet>

#include <deque>
#include <vector>

// What the decoding programs on the air tell, turned into heard stations:
// each datagram as it comes, each client's band from its last Status, the
// grids calls sent, and the stations heard lately. The window and `watch`
// each keep one; the socket stays outside (bytes in).
class HeardSession : public QObject {
    Q_OBJECT
public:
    // How long and how many heard stations are kept at hand; older ones are
    // in the history log.
    static constexpr int kKeptMinutes = 120;
    static constexpr std::size_t kMaxKept = 10000;

    explicit HeardSession(const CallLocator& locator, QObject* parent = nullptr);

    // ESHome; empty or no locator: the DE grid of each client's Status.
    void setHome(const QString& locator);
    // A page, so that decodes are judged by the page in force when heard.
    void addReading(const EsReading& reading);
    GridMemory& grids() { return m_grids; }

    // One datagram as it came, at `received` (UTC).
    void take(QByteArrayView bytes, const QDateTime& received);

    const DatagramCounts& counts() const { return m_counts; }
    // Oldest first.
    const std::deque<HeardStation>& recent() const { return m_recent; }
    // Those heard at or after `sinceUtc`.
    std::vector<HeardStation> heardSince(const QDateTime& sinceUtc) const;

signals:
    void heard(const HeardStation& station);
    // A client said it is running (Status, Heartbeat) and on which band,
    // as far as its last Status tells.
    void listening(const QString& client, const std::optional<DialBand>& band,
                   const QDateTime& atUtc);
    // A contact the client logged, as ADIF text (Logged ADIF).
    void loggedAdif(const QString& client, const QString& adif);

private:
    void takeDecode(const WsjtxDecode& decode, const QDateTime& received);
    void tellListening(const QString& client, const QDateTime& received);
    void keep(const HeardStation& station);

    const CallLocator& m_locator;
    QString m_home;
    ReadingTimeline m_readings;
    GridMemory m_grids;
    ClientBands m_clients;
    DatagramCounts m_counts;
    std::deque<HeardStation> m_recent;
    // The decodes kept, by client, time and text: a client that sends a
    // decode again (a replay, two listeners forwarding) is heard once.
    QSet<QString> m_keys;
    std::deque<QString> m_keyOrder;
};
