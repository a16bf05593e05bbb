// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/reach_command.h"

#include "cli/reach_json.h"
#include "cli/reach_source.h"
#include "cli/settings_dir.h"
#include "cli/stderr_message_boxes.h"
#include "core/settings/program_settings.h"
#include "core/text/english_texts.h"
#include "reach/band_lines.h"

namespace {

// The page time, then the lines under the Es map: one per band, and with
// a home where a path from it is open.
QByteArray reachText(const ReachReport& report)
{
    QStringList lines{report.reading.pageTime.trimmed()};
    lines += bandLines(report);
    lines += homePathLines(report);
    return (lines.join(u'\n') + u'\n').toUtf8();
}

int runReach(const QStringList& args)
{
    ReachSource source;
    bool json = false;
    for (const CommandArg& arg :
         readCommandLine(reachCommand().options, args, reachCommand().doubleDash)) {
        const SourceArg taken = takeSourceArg(QStringLiteral("reach"), arg, source);
        if (taken == SourceArg::Refused)
            return ExitUsage;
        if (taken == SourceArg::Other)
            json = true; // its only option of its own
    }
    StderrMessageBoxes boxes;
    SettingsStore store = settingsIn(source.directory, boxes);
    ProgramSettings settings(store);
    const ReachResult reach = loadReach(QStringLiteral("reach"), source, settings);
    if (reach.status != ExitOk)
        return reach.status;
    if (json) {
        printOut(reachJson(reach.report));
        return ExitOk;
    }
    // The tool speaks English: the lines are the window's, translated.
    const std::unique_ptr<QTranslator> english = installEnglishTexts();
    if (!english)
        printError(
            QStringLiteral("reach: the English texts are missing; printing the Japanese ones"));
    printOut(reachText(reach.report));
    return ExitOk;
}

} // namespace

const CliCommand& reachCommand()
{
    static const CliCommand command{
        QStringLiteral("reach"),
        QStringLiteral("[FILE|-] [--home LOCATOR] [--json] [--dir DIR]"),
        QStringLiteral("print which paths each station's Es carries on 28, 50 and 144 MHz"),
        QStringLiteral(
            "Runs one refresh on the alert page, as parse does, and turns each station's Es into "
            "band reach with the thin-mirror model (h = 105 km over a sphere): the single hops "
            "with their midpoint under the station that a cloud like the one measured would "
            "carry, not a forecast. Prints the page time and the lines under the Es map: one per "
            "band (\"50 MHz: K 1,418–2,298 km\", \"closed\" when no station carries it) and, with "
            "a home, one per band where a path from it is open: its length, bearings and the "
            "stations reflecting it (\"50 MHz: 1,050–2,298 km, SW to W, via Y\").\n"
            "--json prints one object on one line instead: page_time, home (the locator or null) "
            "and stations in the page's order, each with code (wk546, to536, yg431, ok426), name "
            "(Wakkanai, Kokubunji, Yamagawa, Ogimi), lat, lon, es (the Es as a number, null when "
            "the page gives none), bands with the keys \"28\", \"50\" and \"144\", each {\"open\": "
            "true or false, \"min_km\", \"max_km\": whole km or null}, and with a home "
            "from_home: {\"km\": the distance to the station, \"path_km\": the path twice as "
            "long, \"far_end\": its 6-character locator, \"open\": the bands that carry it, such "
            "as [\"28\", \"50\"]}; then open_area: null without a home, else for each band "
            "(\"28\", \"50\", \"144\") where a path from home is open (its midpoint over a "
            "station within 600 km whose Es carries it, 500 km up to one hop): {\"open\", "
            "\"min_km\", \"max_km\", \"all_around\", \"from_bearing\", \"to_bearing\": "
            "clockwise, degrees, null when all around or closed, \"stations\": the codes "
            "reflecting it, most of the area first}.\n"
            "A page that is not read through prints nothing and is told in one line on standard "
            "error, as parse and fetch tell it."),
        {reachFileOperand()},
        {homeOption(),
         {QStringLiteral("json"), QStringLiteral("print the reach as one JSON object")},
         settingsDirOption()},
        DoubleDash::IsArgument,
        QStringLiteral("Exit status: 0 when the page was parsed, 3 for any other outcome, 2 for "
                       "a usage error or a FILE that cannot be read."),
        runReach,
    };
    return command;
}
