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

QByteArray bearingOrNull(const OpenArea& area, int bearing)
{
    return area.open && !area.allAround ? QByteArray::number(bearing) : QByteArrayLiteral("null");
}

QByteArray openAreaJson(const OpenArea& area)
{
    QList<QByteArray> stations;
    for (int k : area.stations)
        stations << jsonValue(QLatin1String(kStationCodes[k]));
    const auto kmOrNull = [&area](int km) {
        return area.open ? QByteArray::number(km) : QByteArrayLiteral("null");
    };
    return jsonObject({{"open", jsonValue(area.open)},
                       {"min_km", kmOrNull(area.minKm)},
                       {"max_km", kmOrNull(area.maxKm)},
                       {"all_around", jsonValue(area.allAround)},
                       {"from_bearing", bearingOrNull(area, area.fromBearing)},
                       {"to_bearing", bearingOrNull(area, area.toBearing)},
                       {"stations", jsonArray(stations)}});
}

// Per band, where a path from home is open; null without a home.
QByteArray openAreasJson(const ReachReport& report)
{
    if (!report.home)
        return QByteArrayLiteral("null");
    std::vector<std::pair<QByteArray, QByteArray>> bands;
    for (int b = 0; b < kBandCount; ++b)
        bands.emplace_back(QByteArray::number(kBandsMHz[b]), openAreaJson(report.openAreas[b]));
    return jsonObject(bands);
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
                       {"stations", jsonArray(stations)},
                       {"open_area", openAreasJson(report)}}) +
           '\n';
}
