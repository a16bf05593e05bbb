// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/open_area.h"

#include "core/page/station_names.h"
#include "reach/band_lines.h"
#include "reach/mirror_model.h"
#include "reach/path_judgement.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kBearings = 360 / kAreaBearingStep;

// The first open bearing after the widest run of closed ones, and the
// last before it; `open` has at least one open and one closed bearing.
std::pair<int, int> narrowestArc(const std::array<bool, kBearings>& open)
{
    int widestGap = 0, gapEnd = 0; // gapEnd: the first open bearing after the gap
    for (int start = 0; start < kBearings; ++start) {
        if (open[start] || !open[(start + kBearings - 1) % kBearings])
            continue;
        int length = 0;
        while (!open[(start + length) % kBearings])
            ++length;
        if (length > widestGap) {
            widestGap = length;
            gapEnd = (start + length) % kBearings;
        }
    }
    const int last = (gapEnd + kBearings - widestGap - 1) % kBearings;
    return {gapEnd * kAreaBearingStep, last * kAreaBearingStep};
}

QString stationList(const std::vector<int>& stations)
{
    QString text;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        if (i > 0)
            text += i + 1 == stations.size()
                        ? QCoreApplication::translate("OpenArea", "・", "before the last station")
                        : QCoreApplication::translate("OpenArea", "・", "between stations");
        text += shownStationMark(stations[i]);
    }
    return text;
}

QString bearingText(const OpenArea& area)
{
    if (area.allAround)
        return QCoreApplication::translate("OpenArea", "全方位");
    const QString from = compassWord(area.fromBearing);
    const QString to = compassWord(area.toBearing);
    return from == to ? from : QCoreApplication::translate("OpenArea", "%1〜%2").arg(from, to);
}

} // namespace

OpenArea openArea(GeoPoint home, const EsReading& reading, int bandMHz)
{
    OpenArea area;
    std::array<bool, kBearings> openBearings{};
    std::array<int, kStationCount> carried{};
    const double longest = maxHopKm();
    for (int b = 0; b < kBearings; ++b) {
        const double bearing = b * kAreaBearingStep;
        for (double km = kShortestJudgedKm; km < longest + kAreaKmStep; km += kAreaKmStep) {
            const double pathKm = std::min(km, longest);
            const std::optional<int> station =
                carryingStation(pathKm, destination(home, bearing, pathKm / 2), bandMHz, reading);
            if (!station)
                continue;
            const int wholeKm = static_cast<int>(std::lround(pathKm));
            area.minKm = area.open ? std::min(area.minKm, wholeKm) : wholeKm;
            area.maxKm = std::max(area.maxKm, wholeKm);
            area.open = true;
            openBearings[b] = true;
            ++carried[*station];
        }
    }
    if (!area.open)
        return area;
    area.allAround =
        std::all_of(openBearings.begin(), openBearings.end(), [](bool o) { return o; });
    if (!area.allAround)
        std::tie(area.fromBearing, area.toBearing) = narrowestArc(openBearings);
    for (int k = 0; k < kStationCount; ++k) {
        if (carried[k] > 0)
            area.stations.push_back(k);
    }
    std::stable_sort(area.stations.begin(), area.stations.end(),
                     [&](int a, int b) { return carried[a] > carried[b]; });
    return area;
}

QString openAreaLine(int bandMHz, const OpenArea& area)
{
    if (!area.open)
        return QStringLiteral("%1 MHz: %2")
            .arg(bandMHz)
            .arg(QCoreApplication::translate("Reach", "closed"));
    return QCoreApplication::translate("OpenArea", "%1 MHz: %2–%3 km、%4、%5 経由")
        .arg(QString::number(bandMHz), kmText(area.minKm), kmText(area.maxKm), bearingText(area),
             stationList(area.stations));
}

QString compassWord(double bearing)
{
    static const std::array<const char*, 8> words = {
        QT_TRANSLATE_NOOP("OpenArea", "北"), QT_TRANSLATE_NOOP("OpenArea", "北東"),
        QT_TRANSLATE_NOOP("OpenArea", "東"), QT_TRANSLATE_NOOP("OpenArea", "南東"),
        QT_TRANSLATE_NOOP("OpenArea", "南"), QT_TRANSLATE_NOOP("OpenArea", "南西"),
        QT_TRANSLATE_NOOP("OpenArea", "西"), QT_TRANSLATE_NOOP("OpenArea", "北西")};
    const int index = static_cast<int>(std::lround(bearing / 45.0)) % 8;
    return QCoreApplication::translate("OpenArea", words[(index + 8) % 8]);
}
