// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/heard_path.h"

#include "core/text/number_text.h"
#include "reach/mirror_model.h"
#include "reach/path_judgement.h"

#include <algorithm>
#include <cmath>

QString verdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Open:
        return QStringLiteral("open");
    case Verdict::Closed:
        return QStringLiteral("closed");
    case Verdict::Short:
        return QStringLiteral("short");
    case Verdict::Beyond:
        return QStringLiteral("beyond");
    case Verdict::Far:
        return QStringLiteral("far");
    case Verdict::NoReading:
        return QStringLiteral("no-reading");
    }
    return {};
}

bool esRangeVerdict(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Open:
    case Verdict::Closed:
    case Verdict::NoReading:
        return true;
    case Verdict::Short:
    case Verdict::Beyond:
    case Verdict::Far:
        return false;
    }
    return false;
}

namespace {

Verdict verdictOf(const HeardPath& path, double pathKm)
{
    if (pathKm < kShortestJudgedKm)
        return Verdict::Short;
    if (!path.neededEs)
        return Verdict::Beyond;
    if (!path.station)
        return Verdict::Far;
    if (!path.stationEs)
        return Verdict::NoReading;
    return esCarries(*path.stationEs, *path.neededEs) ? Verdict::Open : Verdict::Closed;
}

} // namespace

HeardPath judgeHeardPath(GeoPoint home, GeoPoint far, std::optional<int> bandMHz,
                         const EsReading* reading)
{
    HeardPath path;
    const double km = distanceKm(home, far);
    path.km = static_cast<int>(std::lround(km));
    path.bearing = bearingDegrees(home, far);
    path.midpoint = midpoint(home, far);
    const NearestIonosonde nearest = nearestIonosonde(path.midpoint);
    path.stationKm = static_cast<int>(std::lround(nearest.km));
    path.station = reflectingStation(path.midpoint);
    if (reading) {
        path.pageTime = reading->pageTime;
        if (path.station)
            path.stationEs = readingNumber(reading->es[*path.station]);
    }
    const bool judged =
        bandMHz && std::find(kBandsMHz.begin(), kBandsMHz.end(), *bandMHz) != kBandsMHz.end();
    if (!judged)
        return path;
    path.neededEs = neededEs(km, *bandMHz);
    path.verdict = verdictOf(path, km);
    return path;
}
