// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/heard_record.h"

#include "heard/heard_station.h"
#include "history/page_record.h"

HeardRecord heardRecordOf(const HeardStation& station)
{
    HeardRecord r;
    r.time = station.time;
    r.client = station.client;
    if (station.band)
        r.band = station.band->name;
    if (station.dialMHz > 0)
        r.dialMHz = station.dialMHz;
    r.mode = station.mode;
    r.snr = station.snr;
    r.call = station.call;
    r.message = station.message;
    if (const std::optional<CallLocation>& location = station.location) {
        r.grid = location->grid;
        r.locatedBy = locatedByName(location->by);
        r.lat = location->point.lat;
        r.lon = location->point.lon;
    }
    if (const std::optional<HeardPath>& path = station.path) {
        r.km = path->km;
        r.bearing = path->bearing;
        r.midLat = path->midpoint.lat;
        r.midLon = path->midpoint.lon;
        r.neededEs = path->neededEs;
        if (path->station)
            r.station = QLatin1StringView(kStationCodes[*path->station]);
        r.stationKm = path->stationKm;
        r.stationEs = path->stationEs;
        r.pageTime = path->pageTime;
        if (path->verdict)
            r.verdict = verdictName(*path->verdict);
    }
    return r;
}
