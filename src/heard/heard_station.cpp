// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/heard_station.h"

#include "heard/decode_text.h"
#include "heard/decode_time.h"
#include "reach/maidenhead.h"

void ClientBands::update(const WsjtxStatus& status)
{
    if (!m_clients.contains(status.id) && m_clients.size() >= kMaxClients)
        return;
    m_clients.insert(status.id, {status.dialHz, status.mode, status.deCall, status.deGrid});
}

void ClientBands::forget(const QString& id)
{
    m_clients.remove(id);
}

const ClientStatus* ClientBands::statusOf(const QString& id) const
{
    const auto known = m_clients.constFind(id);
    return known == m_clients.constEnd() ? nullptr : &*known;
}

std::optional<HeardStation> heardStationOf(const WsjtxDecode& decode, const QDateTime& received,
                                           const ClientBands& clients, const QString& homeLocator,
                                           const CallLocator& locator, GridMemory& memory,
                                           const EsReading* reading)
{
    const std::optional<DecodeSender> sender = senderOf(decode.message);
    if (!sender)
        return std::nullopt;
    HeardStation heard;
    heard.time = decodeDateTime(decode.msSinceMidnight, received);
    heard.client = decode.id;
    heard.mode = decode.mode;
    heard.snr = decode.snr;
    heard.call = sender->call;
    heard.hashed = sender->hashed;
    heard.message = decode.message;
    const ClientStatus* status = clients.statusOf(decode.id);
    if (status) {
        heard.band = dialBand(status->dialHz);
        heard.dialMHz = static_cast<double>(status->dialHz) / 1e6;
        if (!status->mode.isEmpty())
            heard.mode = status->mode;
    }
    if (!sender->grid.isEmpty())
        memory.remember(sender->call, sender->grid, heard.time);
    heard.location = locator.locate(sender->call, sender->grid, memory);
    std::optional<GeoPoint> home = locatorCentre(homeLocator);
    if (!home && status)
        home = locatorCentre(status->deGrid);
    if (home && heard.location) {
        const std::optional<int> bandMHz =
            heard.band ? std::optional<int>(heard.band->mhz) : std::nullopt;
        heard.path = judgeHeardPath(*home, heard.location->point, bandMHz, reading);
    }
    return heard;
}
