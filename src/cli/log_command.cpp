// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/log_command.h"

#include "cli/cli_io.h"
#include "cli/contact_json.h"
#include "cli/settings_dir.h"
#include "cli/stderr_message_boxes.h"
#include "core/page/station_names.h"
#include "core/settings/program_settings.h"
#include "core/text/english_texts.h"
#include "reach/band_lines.h"
#include "reach/open_area.h"

#include <QTimeZone>
#include <QTranslator>

namespace {

// Lines go out in pieces about this large: a long log is never held whole.
constexpr qsizetype kOutputChunk = 64 * 1024;

// "2026-06-14 10:30 JST 6m JA6ABC PM51 (grid): 937 km 南西, needs 12.6 MHz,
// 国 15.3 MHz (2026/06/14 10:15 JST): open"
QString contactLine(const ContactPath& contact)
{
    const AdifRecord& record = contact.record;
    QString line = record.time.toTimeZone(QTimeZone(9 * 3600))
                       .toString(QStringLiteral("yyyy-MM-dd hh:mm 'JST'")) +
                   u' ' + (record.band.isEmpty() ? QStringLiteral("?") : record.band) + u' ' +
                   record.call;
    if (contact.location) {
        const QString& grid = contact.location->grid;
        line += (grid.isEmpty() ? QString() : u' ' + grid) +
                QStringLiteral(" (%1)").arg(locatedByName(contact.location->by));
    }
    if (!contact.path)
        return line + QStringLiteral(": no path (no home or no location)");
    const HeardPath& path = *contact.path;
    line += QStringLiteral(": %1 km %2").arg(kmText(path.km), compassWord(path.bearing));
    if (path.neededEs)
        line += QStringLiteral(", needs %1 MHz").arg(*path.neededEs, 0, 'f', 1);
    if (path.station) {
        line += QStringLiteral(", %1 ").arg(shownStationMark(*path.station));
        line += path.stationEs ? QStringLiteral("%1 MHz").arg(*path.stationEs, 0, 'f', 1)
                               : QStringLiteral("?");
        if (!path.pageTime.isEmpty())
            line += QStringLiteral(" (%1)").arg(path.pageTime);
    }
    return line + QStringLiteral(": ") +
           (path.verdict ? verdictName(*path.verdict) : QStringLiteral("not judged"));
}

QString summaryLine(const LogFileCounts& log)
{
    QString line = QStringLiteral("%1: %2 read, %3 skipped, %4 judged: %5 open, %6 closed\n")
                       .arg(log.source)
                       .arg(log.recordsRead)
                       .arg(log.skipped.size())
                       .arg(log.judged)
                       .arg(log.open)
                       .arg(log.closed);
    for (const AdifSkip& skip : log.skipped)
        line += QStringLiteral("  skipped line %1: %2\n").arg(skip.line).arg(skip.reason);
    return line;
}

int runLog(const QStringList& args)
{
    const std::optional<LogArgs> parsed = parseLogArgs(logCommand(), args);
    if (!parsed)
        return ExitUsage;
    if (!parsed->source.input) {
        printError(QStringLiteral("log: which ADIF file? (try --help)"));
        return ExitUsage;
    }
    StderrMessageBoxes boxes;
    SettingsStore store = settingsIn(parsed->source.directory, boxes);
    ProgramSettings settings(store);
    const QString home = homeFor(QStringLiteral("log"), parsed->source, settings);
    const std::optional<ReadingTimeline> readings = contactReadings(QStringLiteral("log"), *parsed);
    if (!readings)
        return ExitUsage;
    // The tool speaks English: directions, station marks and skip reasons too.
    const std::unique_ptr<QTranslator> english = installEnglishTexts();
    const QString& source = *parsed->source.input;
    QByteArray out;
    const std::optional<LogFileCounts> log = readContactLog(
        QStringLiteral("log"), source, *parsed, home, *readings, [&](const ContactPath& contact) {
            out += parsed->json ? contactJson(contact, source)
                                : (contactLine(contact) + u'\n').toUtf8();
            if (out.size() >= kOutputChunk) {
                printOut(out);
                out.clear();
            }
        });
    if (!log)
        return ExitUsage;
    out += parsed->json ? contactSummaryJson(*log) : summaryLine(*log).toUtf8();
    printOut(out);
    return ExitOk;
}

} // namespace

const CliCommand& logCommand()
{
    static const CliCommand command{
        QStringLiteral("log"),
        QStringLiteral("FILE [--band BAND] [--since DATE] [--until DATE] [--db FILE] [--json] "
                       "[--home LOCATOR] [--dir DIR]"),
        QStringLiteral("judge the contacts of an ADIF log by the logged Es"),
        QStringLiteral(
            "Reads an ADIF log (.adi, as WSJT-X and JTDX write it; never changed) and prints one "
            "line per contact: where the station was (by its grid, else its call area, else its "
            "prefix), the path from home (--home, else ESHome, else the contact's MY_GRIDSQUARE), "
            "the Es it needs, the ionosonde nearest the midpoint and the Es of the page in force "
            "then (from the history log, no older than 30 minutes), and the verdict: open, "
            "closed, short, beyond, far or no-reading. A closing line counts the records read, "
            "those skipped (each with its line and reason), those judged and how many were open "
            "and closed.\n"
            "--json prints JSON Lines instead: \"kind\":\"contact\" with source, time (UTC), "
            "band, call, grid, lat, lon, located_by, km, bearing, midpoint, needed_es_mhz, "
            "station, station_km, station_es_mhz, page_time, verdict, mode, prop_mode and snr "
            "(null where unknown), then \"kind\":\"summary\" with records, skipped, skips "
            "[{line, reason}], judged, open and closed.\n"
            "DATE is taken as history takes it."),
        {{QStringLiteral("FILE"), QStringLiteral("the ADIF log to read")}},
        logOptions(),
        DoubleDash::IsArgument,
        QStringLiteral("Exit status: 0 when the contacts were printed, 2 for a usage error, a "
                       "FILE that cannot be read or a history log that is no Ondrel log."),
        runLog,
    };
    return command;
}
