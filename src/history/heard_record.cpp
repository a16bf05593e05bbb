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

HeardStation heardStationOf(const HeardRecord& record)
{
    HeardStation station;
    station.time = record.time;
    station.client = record.client;
    station.band = bandNamed(record.band);
    station.dialMHz = record.dialMHz.value_or(0);
    station.mode = record.mode;
    station.snr = record.snr;
    station.call = record.call;
    station.message = record.message;
    for (const LocatedBy by : {LocatedBy::Grid, LocatedBy::Area, LocatedBy::Prefix}) {
        if (record.lat && record.lon && record.locatedBy == locatedByName(by))
            station.location = CallLocation{{*record.lat, *record.lon}, by, record.grid};
    }
    if (record.km && record.bearing && record.midLat && record.midLon) {
        HeardPath path;
        path.km = *record.km;
        path.bearing = *record.bearing;
        path.midpoint = {*record.midLat, *record.midLon};
        path.neededEs = record.neededEs;
        if (const int k = stationIndex(record.station); k >= 0)
            path.station = k;
        path.stationKm = record.stationKm.value_or(0);
        path.stationEs = record.stationEs;
        path.pageTime = record.pageTime;
        for (const Verdict verdict : {Verdict::Open, Verdict::Closed, Verdict::Short,
                                      Verdict::Beyond, Verdict::Far, Verdict::NoReading}) {
            if (record.verdict == verdictName(verdict))
                path.verdict = verdict;
        }
        station.path = path;
    }
    return station;
}
