// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

struct HeardStation;

// One heard decode as the history log keeps it, field by field as a heard
// line's JSON tells it. Empty texts and empty optionals are unknown.
struct HeardRecord {
    QDateTime time; // UTC
    QString client;
    QString band; // "6m"
    std::optional<double> dialMHz;
    QString mode;
    int snr = 0;
    QString call;
    QString grid;      // the grid it was placed by
    QString locatedBy; // "grid", "area", "prefix"
    std::optional<double> lat;
    std::optional<double> lon;
    // The path from home: with a home and a location.
    std::optional<int> km;
    std::optional<double> bearing;
    std::optional<double> midLat;
    std::optional<double> midLon;
    std::optional<double> neededEs; // within one hop on a judged band
    QString station;                // the ionosonde's code ("to536")
    std::optional<int> stationKm;   // from the midpoint to the nearest ionosonde
    std::optional<double> stationEs;
    QString pageTime;
    QString verdict; // "open" …
    QString message;
};

HeardRecord heardRecordOf(const HeardStation& station);
// Back from the log, for the map: what the record keeps of the station.
HeardStation heardStationOf(const HeardRecord& record);

// A run of Status and Heartbeat messages from one client on one band
// (empty: a dial off the bands, or no Status yet).
struct ListeningRecord {
    QString client;
    QString band;
    QDateTime from; // UTC
    QDateTime until;
};
