// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/contact_json.h"

#include "cli/json_text.h"
#include "history/page_record.h"

#include <cmath>

namespace {

const QByteArray kNull = QByteArrayLiteral("null");

// A number to `step` (0.1, 0.001), written short: 125.621, not 125.62100000000001.
QByteArray rounded(double value, double step)
{
    return QByteArray::number(std::round(value / step) * step, 'g', 12);
}

QByteArray whole(int value)
{
    return QByteArray::number(value);
}

template <typename T, typename Write>
QByteArray orNull(const std::optional<T>& value, Write write)
{
    return value ? write(*value) : kNull;
}

QByteArray textOrNull(const QString& text)
{
    return text.isEmpty() ? kNull : jsonValue(text);
}

} // namespace

QByteArray contactJson(const ContactPath& contact, const QString& source)
{
    const AdifRecord& record = contact.record;
    const std::optional<CallLocation>& place = contact.location;
    const std::optional<HeardPath>& path = contact.path;
    const auto tenth = [](double v) { return rounded(v, 0.1); };
    const auto onPath = [&path](auto field) { return path ? field(*path) : kNull; };
    return jsonObject({
               {"kind", jsonValue(QStringLiteral("contact"))},
               {"source", jsonValue(source)},
               {"time", jsonValue(utcText(record.time))},
               {"band", textOrNull(record.band)},
               {"call", jsonValue(record.call)},
               {"grid", textOrNull(record.grid)},
               {"lat", place ? rounded(place->point.lat, 0.001) : kNull},
               {"lon", place ? rounded(place->point.lon, 0.001) : kNull},
               {"located_by", place ? jsonValue(locatedByName(place->by)) : kNull},
               {"km", onPath([](const HeardPath& p) { return whole(p.km); })},
               {"bearing", onPath([&](const HeardPath& p) { return tenth(p.bearing); })},
               {"midpoint", onPath([](const HeardPath& p) {
                    return jsonObject({{"lat", rounded(p.midpoint.lat, 0.001)},
                                       {"lon", rounded(p.midpoint.lon, 0.001)}});
                })},
               {"needed_es_mhz",
                onPath([&](const HeardPath& p) { return orNull(p.neededEs, tenth); })},
               {"station", onPath([](const HeardPath& p) {
                    return orNull(p.station, [](int k) {
                        return jsonValue(QLatin1StringView(kStationCodes[k]));
                    });
                })},
               {"station_km", onPath([](const HeardPath& p) { return whole(p.stationKm); })},
               {"station_es_mhz", onPath([&](const HeardPath& p) {
                    return orNull(p.stationEs, [](double es) { return rounded(es, 0.1); });
                })},
               {"page_time", onPath([](const HeardPath& p) { return textOrNull(p.pageTime); })},
               {"verdict", onPath([](const HeardPath& p) {
                    return orNull(p.verdict, [](Verdict v) { return jsonValue(verdictName(v)); });
                })},
               {"mode", textOrNull(record.submode.isEmpty() ? record.mode : record.submode)},
               {"prop_mode", textOrNull(record.propMode)},
               {"snr", orNull(record.snr, whole)},
           }) +
           '\n';
}

QByteArray contactSummaryJson(const LogFileCounts& log)
{
    QList<QByteArray> skips;
    for (const AdifSkip& skip : log.skipped)
        skips << jsonObject({{"line", jsonValue(skip.line)}, {"reason", jsonValue(skip.reason)}});
    return jsonObject({
               {"kind", jsonValue(QStringLiteral("summary"))},
               {"source", jsonValue(log.source)},
               {"records", jsonValue(log.recordsRead)},
               {"skipped", jsonValue(static_cast<int>(log.skipped.size()))},
               {"skips", jsonArray(skips)},
               {"judged", jsonValue(log.judged)},
               {"open", jsonValue(log.open)},
               {"closed", jsonValue(log.closed)},
           }) +
           '\n';
}
