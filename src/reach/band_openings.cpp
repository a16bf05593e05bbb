// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/band_openings.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

std::array<bool, kBandCount> openBands(const ReachReport& report)
{
    std::array<bool, kBandCount> open{};
    for (int b = 0; b < kBandCount; ++b) {
        open[b] = report.home ? report.openAreas[b].open
                              : std::any_of(report.stations.begin(), report.stations.end(),
                                            [b](const StationReach& s) { return s.bands[b].open; });
    }
    return open;
}

std::vector<int> BandOpenings::opened(const ReachReport& report, const std::vector<int>& watched)
{
    const std::array<bool, kBandCount> now = openBands(report);
    std::vector<int> opened;
    for (int b = 0; b < kBandCount; ++b) {
        const bool isWatched =
            std::find(watched.begin(), watched.end(), kBandsMHz[b]) != watched.end();
        if (isWatched && now[b] && !m_open[b])
            opened.push_back(kBandsMHz[b]);
    }
    m_open = now;
    return opened;
}

void BandOpenings::forget(const std::vector<int>& bands)
{
    for (int b = 0; b < kBandCount; ++b) {
        if (std::find(bands.begin(), bands.end(), kBandsMHz[b]) != bands.end())
            m_open[b] = false;
    }
}

QString bandOpeningText(const std::vector<int>& bands)
{
    QStringList numbers;
    for (int band : bands)
        numbers << QString::number(band);
    //: The bands a cloud like the one measured would now carry, e.g. "50 MHz".
    return QCoreApplication::translate("Reach", "%1 MHz が開きました")
        .arg(numbers.join(QCoreApplication::translate("Reach", "・")));
}
