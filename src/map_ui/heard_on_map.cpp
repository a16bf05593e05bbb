// SPDX-License-Identifier: GPL-3.0-or-later
#include "map_ui/heard_on_map.h"

#include "core/page/station_names.h"
#include "reach/band_lines.h"
#include "reach/mirror_model.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString text(const char* source)
{
    return QCoreApplication::translate("HeardOnMap", source);
}

int bandIndex(const std::optional<DialBand>& band)
{
    if (!band || !band->judged)
        return -1;
    const auto found = std::find(kBandsMHz.begin(), kBandsMHz.end(), band->mhz);
    return found == kBandsMHz.end() ? -1 : static_cast<int>(found - kBandsMHz.begin());
}

QString mhz(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" MHz");
}

QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Open:
        return text(QT_TRANSLATE_NOOP("HeardOnMap", "open: 測った Es で届くパス"));
    case Verdict::Closed:
        return text(QT_TRANSLATE_NOOP("HeardOnMap", "closed: 測った Es では届かないはずのパス"));
    case Verdict::Short:
        return text(QT_TRANSLATE_NOOP("HeardOnMap", "short: 500 km 未満 (判定しません)"));
    case Verdict::Beyond:
        return text(QT_TRANSLATE_NOOP("HeardOnMap", "beyond: 1 ホップより遠い"));
    case Verdict::Far:
        return text(QT_TRANSLATE_NOOP("HeardOnMap", "far: 中点から 600 km 以内に観測所なし"));
    case Verdict::NoReading:
        return text(QT_TRANSLATE_NOOP("HeardOnMap", "no-reading: 測定値なし"));
    }
    return {};
}

} // namespace

std::vector<HeardMark> heardMarks(const std::vector<HeardStation>& stations,
                                  const QDateTime& fromUtc, const QDateTime& toUtc,
                                  std::vector<HeardStation>* shown)
{
    std::vector<HeardMark> marks;
    const double span = std::max<qint64>(1, fromUtc.secsTo(toUtc));
    for (const HeardStation& station : stations) {
        if (!station.location)
            continue;
        HeardMark mark;
        mark.at = station.location->point;
        mark.midpoint = station.path ? station.path->midpoint : station.location->point;
        mark.band = bandIndex(station.band);
        mark.approximate = station.location->by != LocatedBy::Grid;
        mark.age01 = std::clamp(station.time.secsTo(toUtc) / span, 0.0, 1.0);
        marks.push_back(mark);
        if (shown)
            shown->push_back(station);
    }
    return marks;
}

QString heardStationText(const HeardStation& station)
{
    QStringList lines;
    QString who = station.call;
    if (station.location && !station.location->grid.isEmpty())
        who += QStringLiteral("  ") + station.location->grid;
    else if (station.location)
        who += QStringLiteral("  ") + text(QT_TRANSLATE_NOOP("HeardOnMap", "(位置はおおよそ: %1)"))
                                          .arg(locatedByName(station.location->by));
    lines << who;
    const QString band =
        station.band ? QStringLiteral("%1 MHz (%2)").arg(station.band->mhz).arg(station.band->name)
                     : text(QT_TRANSLATE_NOOP("HeardOnMap", "バンド不明"));
    lines << QStringLiteral("%1  %2 JST  %3 %4 dB")
                 .arg(band,
                      station.time.toOffsetFromUtc(9 * 3600).toString(QStringLiteral("HH:mm:ss")),
                      station.mode)
                 .arg(station.snr);
    if (!station.path)
        return lines.join(u'\n');
    const HeardPath& path = *station.path;
    QString length = QStringLiteral("%1 km").arg(kmText(path.km));
    if (path.neededEs)
        length += QStringLiteral("  ") +
                  text(QT_TRANSLATE_NOOP("HeardOnMap", "必要な Es %1")).arg(mhz(*path.neededEs));
    lines << length;
    if (path.station)
        lines << text(QT_TRANSLATE_NOOP("HeardOnMap", "%1 の Es %2 (中点から %3 km)"))
                     .arg(shownStationName(*path.station),
                          path.stationEs ? mhz(*path.stationEs)
                                         : text(QT_TRANSLATE_NOOP("HeardOnMap", "なし")),
                          kmText(path.stationKm));
    if (path.verdict)
        lines << verdictText(*path.verdict);
    return lines.join(u'\n');
}
