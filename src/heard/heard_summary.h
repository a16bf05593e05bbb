// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/heard_station.h"

#include <QStringList>

#include <vector>

// Heard on a judged band over a path the Es could have carried (esRangeVerdict).
bool inEsRange(const HeardStation& station);

// The stations heard in Es range on one band, each call once.
struct HeardInRange {
    int bandMHz = 0;
    QString bandName; // "6m"
    int count = 0;
    QStringList prefixes; // "JA6", "HL", as first heard
    int farthestKm = 0;
};

// Per band, in the reach's band order; bands with nobody in range left out.
std::vector<HeardInRange> heardInEsRange(const std::vector<HeardStation>& stations);

// "JA6" for a Japanese call (its area), else the letters and digits
// before the call's number: "HL", "BV", "7J1".
QString callGroup(const QString& call);

// "6 m: heard 12 in Es range (JA6, HL, BV), farthest 1,480 km", in the
// interface language.
QString heardLine(const HeardInRange& heard);
