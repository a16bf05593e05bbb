// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/reach_json.h"

#include "cli/json_text.h"
#include "core/page/station_names.h"
#include "history/page_record.h"
#include "reach/ionosondes.h"

namespace {

// "Wakkanai": the name scripts know it by, capitalised.
QString placeName(int k)
{
    QString name = QLatin1String(kStationNames[k].ascii);
    name[0] = name[0].toUpper();
    return name;
}

QByteArray kmOrNull(const BandReach& band, int km)
{
    return band.open ? QByteArray::number(km) : QByteArrayLiteral("null");
}

QByteArray bandsJson(const StationReach& station)
{
    std::vector<std::pair<QByteArray, QByteArray>> bands;
    for (int b = 0; b < kBandCount; ++b) {
        const BandReach& band = station.bands[b];
        bands.emplace_back(QByteArray::number(kBandsMHz[b]),
                           jsonObject({{"open", jsonValue(band.open)},
                                       {"min_km", kmOrNull(band, band.minKm)},
                                       {"max_km", kmOrNull(band, band.maxKm)}}));
    }
    return jsonObject(bands);
}

QByteArray homePathJson(const HomePath& path)
{
    QList<QByteArray> open;
    for (int b = 0; b < kBandCount; ++b) {
        if (path.open[b])
            open << jsonValue(QString::number(kBandsMHz[b]));
    }
    return jsonObject({{"km", QByteArray::number(path.stationKm)},
                       {"path_km", QByteArray::number(path.pathKm)},
                       {"far_end", jsonValue(path.farEndLocator)},
                       {"open", jsonArray(open)}});
}

QByteArray stationJson(const ReachReport& report, int k)
{
    const StationReach& station = report.stations[k];
    std::vector<std::pair<QByteArray, QByteArray>> fields{
        {"code", jsonValue(QLatin1String(kStationCodes[k]))},
        {"name", jsonValue(placeName(k))},
        {"lat", jsonValue(kIonosondes[k].lat)},
        {"lon", jsonValue(kIonosondes[k].lon)},
        {"es", station.es ? jsonValue(*station.es) : QByteArrayLiteral("null")},
        {"bands", bandsJson(station)},
    };
    if (station.fromHome)
        fields.emplace_back("from_home", homePathJson(*station.fromHome));
    return jsonObject(fields);
}

} // namespace

QByteArray reachJson(const ReachReport& report)
{
    QList<QByteArray> stations;
    for (int k = 0; k < kStationCount; ++k)
        stations << stationJson(report, k);
    return jsonObject({{"page_time", jsonValue(report.reading.pageTime)},
                       {"home", report.home ? jsonValue(*report.home) : QByteArrayLiteral("null")},
                       {"stations", jsonArray(stations)}}) +
           '\n';
}
