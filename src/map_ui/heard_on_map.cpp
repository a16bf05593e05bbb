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

int bandIndex(std::optional<int> mhz)
{
    if (!mhz)
        return -1;
    const auto found = std::find(kBandsMHz.begin(), kBandsMHz.end(), *mhz);
    return found == kBandsMHz.end() ? -1 : static_cast<int>(found - kBandsMHz.begin());
}

int bandIndex(const std::optional<DialBand>& band)
{
    return band && band->judged ? bandIndex(std::optional(band->mhz)) : -1;
}

HeardMark markOf(const CallLocation& location, const std::optional<HeardPath>& path, int band)
{
    HeardMark mark;
    mark.at = location.point;
    mark.midpoint = path ? path->midpoint : location.point;
    mark.band = band;
    mark.approximate = location.by != LocatedBy::Grid;
    return mark;
}

QString whoLine(const QString& call, const std::optional<CallLocation>& location)
{
    if (location && !location->grid.isEmpty())
        return call + QStringLiteral("  ") + location->grid;
    if (location)
        return call + QStringLiteral("  ") +
               text(QT_TRANSLATE_NOOP("HeardOnMap", "(位置はおおよそ: %1)"))
                   .arg(locatedByName(location->by));
    return call;
}

QString jst(const QDateTime& utc)
{
    return utc.toOffsetFromUtc(9 * 3600).toString(QStringLiteral("HH:mm:ss")) +
           QStringLiteral(" JST");
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
        HeardMark mark = markOf(*station.location, station.path, bandIndex(station.band));
        mark.age01 = std::clamp(station.time.secsTo(toUtc) / span, 0.0, 1.0);
        marks.push_back(mark);
        if (shown)
            shown->push_back(station);
    }
    return marks;
}

namespace {

// The path's length, the Es it needs and has, and the verdict.
QStringList pathLines(const HeardPath& path)
{
    QStringList lines;
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
    return lines;
}

} // namespace

QString heardStationText(const HeardStation& station)
{
    QStringList lines{whoLine(station.call, station.location)};
    const QString band =
        station.band ? QStringLiteral("%1 MHz (%2)").arg(station.band->mhz).arg(station.band->name)
                     : text(QT_TRANSLATE_NOOP("HeardOnMap", "バンド不明"));
    lines << QStringLiteral("%1  %2  %3 %4 dB")
                 .arg(band, jst(station.time), station.mode)
                 .arg(station.snr);
    if (station.path)
        lines << pathLines(*station.path);
    return lines.join(u'\n');
}

std::vector<HeardMark> contactMarks(const std::vector<ContactPath>& contacts,
                                    std::vector<ContactPath>* shown)
{
    std::vector<HeardMark> marks;
    for (const ContactPath& contact : contacts) {
        if (!contact.location)
            continue;
        HeardMark mark = markOf(*contact.location, contact.path, bandIndex(contact.record.bandMHz));
        mark.contact = true;
        marks.push_back(mark);
        if (shown)
            shown->push_back(contact);
    }
    return marks;
}

QString contactText(const ContactPath& contact)
{
    const AdifRecord& record = contact.record;
    QStringList lines{text(QT_TRANSLATE_NOOP("HeardOnMap", "交信: %1"))
                          .arg(whoLine(record.call, contact.location))};
    QString band = record.bandMHz
                       ? QStringLiteral("%1 MHz (%2)").arg(*record.bandMHz).arg(record.band)
                       : record.band;
    if (band.isEmpty())
        band = text(QT_TRANSLATE_NOOP("HeardOnMap", "バンド不明"));
    QString line =
        QStringLiteral("%1  %2  %3")
            .arg(band, jst(record.time), record.submode.isEmpty() ? record.mode : record.submode);
    if (!record.propMode.isEmpty())
        line += QStringLiteral("  PROP_MODE %1").arg(record.propMode);
    lines << line;
    if (contact.path)
        lines << pathLines(*contact.path);
    return lines.join(u'\n');
}
