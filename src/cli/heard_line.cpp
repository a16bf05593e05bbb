// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/heard_line.h"

#include "cli/json_text.h"
#include "history/heard_record.h"
#include "history/page_record.h"

#include <QStringList>

#include <cmath>

namespace {

const QByteArray kNull = QByteArrayLiteral("null");

QByteArray textOrNull(const QString& text)
{
    return text.isEmpty() ? kNull : jsonValue(text);
}

// Rounded to `decimals`: a place to some metres, a bearing to a tenth.
QByteArray numberOrNull(const std::optional<double>& value, int decimals)
{
    if (!value)
        return kNull;
    const double scale = std::pow(10.0, decimals);
    return jsonValue(std::round(*value * scale) / scale);
}

QByteArray numberOrNull(const std::optional<int>& value)
{
    return value ? QByteArray::number(*value) : kNull;
}

QByteArray midpointJson(const HeardRecord& r)
{
    if (!r.midLat || !r.midLon)
        return kNull;
    return jsonObject({{"lat", numberOrNull(r.midLat, 4)}, {"lon", numberOrNull(r.midLon, 4)}});
}

QString orDash(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("-") : text;
}

} // namespace

QByteArray heardJson(const HeardRecord& r)
{
    return jsonObject({
               {"kind", jsonValue(QStringLiteral("heard"))},
               {"time", jsonValue(utcText(r.time))},
               {"client", jsonValue(r.client)},
               {"band", textOrNull(r.band)},
               {"dial_mhz", numberOrNull(r.dialMHz, 6)},
               {"mode", jsonValue(r.mode)},
               {"snr", QByteArray::number(r.snr)},
               {"call", jsonValue(r.call)},
               {"grid", textOrNull(r.grid)},
               {"lat", numberOrNull(r.lat, 4)},
               {"lon", numberOrNull(r.lon, 4)},
               {"located_by", textOrNull(r.locatedBy)},
               {"km", numberOrNull(r.km)},
               {"bearing", numberOrNull(r.bearing, 1)},
               {"midpoint", midpointJson(r)},
               {"needed_es_mhz", numberOrNull(r.neededEs, 2)},
               {"station", textOrNull(r.station)},
               {"station_km", numberOrNull(r.stationKm)},
               {"station_es_mhz", numberOrNull(r.stationEs, 2)},
               {"page_time", textOrNull(r.pageTime)},
               {"verdict", textOrNull(r.verdict)},
               {"message", jsonValue(r.message)},
           }) +
           '\n';
}

QByteArray heardText(const HeardRecord& r)
{
    const QStringList fields{
        r.time.toOffsetFromUtc(9 * 3600).toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")) +
            QStringLiteral(" JST"),
        r.call,
        orDash(r.grid),
        orDash(r.band),
        QStringLiteral("%1 dB").arg(r.snr),
        r.km ? QStringLiteral("%1 km").arg(*r.km) : QStringLiteral("-"),
        orDash(r.verdict),
    };
    return (fields.join(QStringLiteral("  ")) + u'\n').toUtf8();
}
