// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/band_lines.h"

#include "core/page/station_names.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

QString rangeText(const BandReach& band)
{
    return QStringLiteral("%1–%2 km").arg(kmText(band.minKm), kmText(band.maxKm));
}

} // namespace

QStringList bandLines(const ReachReport& report)
{
    QStringList lines;
    for (int b = 0; b < kBandCount; ++b) {
        QStringList open;
        for (int k = 0; k < kStationCount; ++k) {
            const BandReach& band = report.stations[k].bands[b];
            if (band.open)
                open << shownStationMark(k) + u' ' + rangeText(band);
        }
        lines << QStringLiteral("%1 MHz: %2")
                     .arg(kBandsMHz[b])
                     .arg(open.isEmpty() ? QCoreApplication::translate("Reach", "不通")
                                         : open.join(QStringLiteral(", ")));
    }
    return lines;
}

QStringList homePathLines(const ReachReport& report)
{
    if (!report.home)
        return {};
    QStringList lines;
    for (int b = 0; b < kBandCount; ++b) {
        if (report.openAreas[b].open)
            lines << openAreaLine(kBandsMHz[b], report.openAreas[b]);
    }
    if (lines.isEmpty())
        lines << QCoreApplication::translate("Reach", "%1 から届くパスはありません")
                     .arg(*report.home);
    return lines;
}

QString kmText(int km)
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(km);
}
