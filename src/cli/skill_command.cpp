// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/skill_command.h"

#include "cli/cli_io.h"
#include "cli/contact_log.h"
#include "cli/json_text.h"
#include "cli/log_reading.h"
#include "cli/settings_dir.h"
#include "cli/stderr_message_boxes.h"
#include "core/settings/program_settings.h"
#include "heard/dial_band.h"
#include "heard/model_check.h"
#include "history/heard_activity.h"
#include "reach/maidenhead.h"

#include <cmath>

namespace {

// What shows the operator was on a band, and the home the check is made
// from (`homeLocator`, else the first contact's MY_GRIDSQUARE).
struct GatheredActivity {
    std::vector<Activity> activity;
    std::optional<GeoPoint> home;
};

// For now the contacts of the logs `files`; decodes and the listening
// periods of the history log join here. Nothing when a log cannot be read.
std::optional<GatheredActivity> gatherActivity(const QStringList& files, const LogArgs& args,
                                               const QString& homeLocator,
                                               const ReadingTimeline& readings)
{
    GatheredActivity gathered{{}, locatorCentre(homeLocator)};
    const auto take = [&gathered](const ContactPath& contact) {
        const AdifRecord& record = contact.record;
        if (!gathered.home)
            gathered.home = locatorCentre(record.myGrid);
        if (const std::optional<Activity> activity = contactActivity(contact))
            gathered.activity.push_back(*activity);
    };
    for (const QString& file : files) {
        if (!readContactLog(QStringLiteral("skill"), file, args, homeLocator, readings, take))
            return std::nullopt;
    }
    // What WSJT-X and JTDX heard, and when they listened, as `watch
    // --listen` or the window logged it.
    const LogToRead opened = openLogToRead(QStringLiteral("skill"), args.database);
    if (!opened.ok)
        return std::nullopt;
    if (opened.log) {
        const std::vector<Activity> logged =
            loggedActivity(*opened.log, {args.period.since, args.period.until, {}});
        gathered.activity.insert(gathered.activity.end(), logged.begin(), logged.end());
    }
    return gathered;
}

QByteArray shareJson(std::optional<double> share)
{
    return share ? jsonValue(std::round(*share * 1000) / 1000) : QByteArrayLiteral("null");
}

QByteArray tableJson(const Contingency& table)
{
    return jsonObject({{"hits", jsonValue(table.hits)},
                       {"misses", jsonValue(table.misses)},
                       {"false_alarms", jsonValue(table.falseAlarms)},
                       {"correct_negatives", jsonValue(table.correctNegatives)},
                       {"pod", shareJson(table.probabilityOfDetection())},
                       {"far", shareJson(table.falseAlarmRatio())},
                       {"csi", shareJson(table.criticalSuccessIndex())}});
}

QByteArray checkJson(const QString& band, const ModelCheck& check)
{
    return jsonObject({{"kind", jsonValue(QStringLiteral("skill"))},
                       {"band", jsonValue(band)},
                       {"slots", jsonValue(check.slotsOnBand)},
                       {"slots_without_reading", jsonValue(check.slotsWithoutReading)},
                       {"map", tableJson(check.map)},
                       {"persistence", tableJson(check.persistence)},
                       {"es_range_paths", jsonValue(check.esRangePaths)},
                       {"paths_called_open", jsonValue(check.pathsCalledOpen)}}) +
           '\n';
}

QString shareText(std::optional<double> share)
{
    return share ? QString::number(*share, 'f', 2) : QStringLiteral("-");
}

QString tableText(const QString& name, const Contingency& table)
{
    return QStringLiteral("%1  %2 hits, %3 misses, %4 false alarms, %5 correct negatives; "
                          "POD %6, FAR %7, CSI %8\n")
        .arg(name)
        .arg(table.hits)
        .arg(table.misses)
        .arg(table.falseAlarms)
        .arg(table.correctNegatives)
        .arg(shareText(table.probabilityOfDetection()), shareText(table.falseAlarmRatio()),
             shareText(table.criticalSuccessIndex()));
}

QString checkText(const QString& band, const ModelCheck& check)
{
    return QStringLiteral("%1: %2 quarter hours on the band, %3 of them without a page\n")
               .arg(band)
               .arg(check.slotsOnBand)
               .arg(check.slotsWithoutReading) +
           tableText(QStringLiteral("map:        "), check.map) +
           tableText(QStringLiteral("persistence:"), check.persistence) +
           QStringLiteral("paths heard in Es range: %1, the map called %2 open\n")
               .arg(check.esRangePaths)
               .arg(check.pathsCalledOpen);
}

int runSkill(const QStringList& args)
{
    std::optional<LogArgs> parsed = parseLogArgs(skillCommand(), args);
    if (!parsed)
        return ExitUsage;
    if (parsed->source.input) {
        printError(QStringLiteral("skill: the logs come with --log FILE (try --help)"));
        return ExitUsage;
    }
    if (parsed->band.isEmpty())
        parsed->band = QStringLiteral("6m");
    const std::optional<DialBand> band = bandNamed(parsed->band);
    if (!band || !band->judged) {
        printError(
            QStringLiteral("skill: --band %1 is not judged (10m, 6m or 2m)").arg(parsed->band));
        return ExitUsage;
    }
    StderrMessageBoxes boxes;
    SettingsStore store = settingsIn(parsed->source.directory, boxes);
    ProgramSettings settings(store);
    const QString home = homeFor(QStringLiteral("skill"), parsed->source, settings);
    const QStringList files = parsed->logs.isEmpty() ? settings.logFiles() : parsed->logs;
    const std::optional<ReadingTimeline> readings =
        contactReadings(QStringLiteral("skill"), *parsed);
    if (!readings)
        return ExitUsage;
    const std::optional<GatheredActivity> gathered =
        gatherActivity(files, *parsed, home, *readings);
    if (!gathered)
        return ExitUsage;
    if (!gathered->home) {
        printError(QStringLiteral("skill: no home: give --home LOCATOR or set ESHome"));
        return ExitUsage;
    }
    const ModelCheck check = checkModel(gathered->activity, band->mhz, *gathered->home, *readings);
    printOut(parsed->json ? checkJson(band->name, check) : checkText(band->name, check).toUtf8());
    return ExitOk;
}

QList<QCommandLineOption> skillOptions()
{
    QList<QCommandLineOption> options = logOptions();
    options.append({QStringLiteral("log"),
                    QStringLiteral("read the ADIF log FILE (again for more) instead of ESLogFile"),
                    QStringLiteral("FILE")});
    return options;
}

} // namespace

const CliCommand& skillCommand()
{
    static const CliCommand command{
        QStringLiteral("skill"),
        QStringLiteral("[--band BAND] [--since DATE] [--until DATE] [--db FILE] [--log FILE ...] "
                       "[--json] [--home LOCATOR] [--dir DIR]"),
        QStringLiteral("count how often the Es map was right, against your contacts"),
        QStringLiteral(
            "Over the quarter hours in which you were on BAND (6m unless given), counts whether "
            "a station in Es range was worked (500 km to one hop, an ionosonde within 600 km of "
            "the midpoint) against whether the page in force said the band was open from home "
            "(a station within half the longest hop of home whose Es opens the band on the "
            "longest hop): hits, misses, false alarms and correct negatives, the probability of "
            "detection (POD), false-alarm ratio (FAR) and critical success index (CSI). The same "
            "for persistence (the quarter hour before worked says the next is open) is the "
            "baseline the map must beat. It measures this simple model, not the Es itself.\n"
            "The contacts come from the ADIF logs of --log, else ESLogFile; the pages from the "
            "history log. --json prints one JSON object: kind \"skill\", band, slots, "
            "slots_without_reading, map and persistence {hits, misses, false_alarms, "
            "correct_negatives, pod, far, csi}, es_range_paths and paths_called_open."),
        {},
        skillOptions(),
        DoubleDash::IsArgument,
        QStringLiteral("Exit status: 0 when the table was printed, 2 for a usage error, a log "
                       "that cannot be read, or no home."),
        runSkill,
    };
    return command;
}
