// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/heard_summary.h"

#include "reach/band_lines.h"
#include "reach/mirror_model.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

bool inEsRange(const HeardStation& station)
{
    return station.path && station.path->verdict && esRangeVerdict(*station.path->verdict);
}

std::vector<HeardInRange> heardInEsRange(const std::vector<HeardStation>& stations)
{
    std::vector<HeardInRange> bands;
    for (int bandMHz : kBandsMHz) {
        HeardInRange band{bandMHz, {}, 0, {}, 0};
        QSet<QString> calls;
        for (const HeardStation& station : stations) {
            if (!inEsRange(station) || station.band->mhz != bandMHz)
                continue;
            band.bandName = station.band->name;
            band.farthestKm = std::max(band.farthestKm, station.path->km);
            if (calls.contains(station.call))
                continue;
            calls.insert(station.call);
            ++band.count;
            const QString group = callGroup(station.call);
            if (!band.prefixes.contains(group))
                band.prefixes << group;
        }
        if (band.count > 0)
            bands.push_back(band);
    }
    return bands;
}

QString callGroup(const QString& call)
{
    // Japan's blocks: JA–JS, 7J–7N, 8J–8N; the call area is the digit.
    static const QRegularExpression japanese(QStringLiteral("^(?:J[A-S]|[78][J-N])([0-9])"));
    static const QRegularExpression prefix(QStringLiteral("^([0-9]?[A-Z]+)[0-9]"));
    const QString main = call.section(u'/', 0, 0).toUpper();
    if (const QRegularExpressionMatch area = japanese.match(main); area.hasMatch())
        return QStringLiteral("JA") + area.captured(1);
    if (const QRegularExpressionMatch letters = prefix.match(main); letters.hasMatch())
        return letters.captured(1);
    return main;
}

QString heardLine(const HeardInRange& heard)
{
    QString band = heard.bandName;
    band.replace(QRegularExpression(QStringLiteral("m$")), QStringLiteral(" m"));
    return QCoreApplication::translate("Heard", "%1: Es 圏内で %2 局 (%3)、最遠 %4 km")
        .arg(band)
        .arg(heard.count)
        .arg(heard.prefixes.join(QStringLiteral(", ")), kmText(heard.farthestKm));
}
