// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/heard_session.h"

#include "heard/decode_time.h"

HeardSession::HeardSession(const CallLocator& locator, QObject* parent)
    : QObject(parent), m_locator(locator)
{
}

void HeardSession::setHome(const QString& locator)
{
    m_home = locator;
}

void HeardSession::addReading(const EsReading& reading)
{
    m_readings.add(reading);
}

void HeardSession::take(QByteArrayView bytes, const QDateTime& received)
{
    const WsjtxDatagram datagram = decodeWsjtxDatagram(bytes);
    if (!m_counts.count(datagram))
        return;
    if (const auto* status = std::get_if<WsjtxStatus>(&datagram)) {
        m_clients.update(*status);
        tellListening(status->id, received);
    } else if (const auto* heartbeat = std::get_if<WsjtxHeartbeat>(&datagram)) {
        tellListening(heartbeat->id, received);
    } else if (const auto* decode = std::get_if<WsjtxDecode>(&datagram)) {
        takeDecode(*decode, received);
    } else if (const auto* close = std::get_if<WsjtxClose>(&datagram)) {
        m_clients.forget(close->id);
    } else if (const auto* logged = std::get_if<WsjtxLoggedAdif>(&datagram)) {
        emit loggedAdif(logged->id, logged->adif);
    }
}

std::vector<HeardStation> HeardSession::heardSince(const QDateTime& sinceUtc) const
{
    std::vector<HeardStation> since;
    for (auto it = m_recent.rbegin(); it != m_recent.rend() && it->time >= sinceUtc; ++it)
        since.push_back(*it);
    return {since.rbegin(), since.rend()};
}

void HeardSession::takeDecode(const WsjtxDecode& decode, const QDateTime& received)
{
    const QDateTime time = decodeDateTime(decode.msSinceMidnight, received);
    const QString key =
        QStringLiteral("%1\n%2\n%3")
            .arg(decode.id, QString::number(time.toMSecsSinceEpoch()), decode.message);
    if (m_keys.contains(key))
        return;
    const std::optional<HeardStation> station = heardStationOf(
        decode, received, m_clients, m_home, m_locator, m_grids, m_readings.at(time));
    if (!station)
        return;
    m_keys.insert(key);
    m_keyOrder.push_back(key);
    keep(*station);
    emit heard(*station);
}

void HeardSession::tellListening(const QString& client, const QDateTime& received)
{
    const ClientStatus* status = m_clients.statusOf(client);
    emit listening(client, status ? dialBand(status->dialHz) : std::nullopt, received);
}

void HeardSession::keep(const HeardStation& station)
{
    m_recent.push_back(station);
    // Decodes come in time order, give or take a slot; the newest decides.
    const QDateTime oldest = station.time.addSecs(-kKeptMinutes * 60);
    while (!m_recent.empty() && (m_recent.size() > kMaxKept || m_recent.front().time < oldest))
        m_recent.pop_front();
    while (m_keyOrder.size() > kMaxKept) {
        m_keys.remove(m_keyOrder.front());
        m_keyOrder.pop_front();
    }
}
