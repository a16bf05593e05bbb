// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/map_command.h"

#include "cli/reach_source.h"
#include "cli/settings_dir.h"
#include "cli/stderr_message_boxes.h"
#include "core/settings/program_settings.h"
#include "core/text/english_texts.h"
#include "reach/map_picture.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// The drawing's own size is that of docs/map.png; below the smallest its
// texts would cover the map, the largest is 64 MiB of pixels.
constexpr QSize kDefaultMapSize(800, 800);
constexpr int kMinMapSide = 400;
constexpr int kMaxMapSide = 4096;

struct MapOptions {
    ReachSource source;
    QString output;
    QSize size = kDefaultMapSize;
};

std::optional<QSize> mapSize(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    const auto fits = [](int side) { return side >= kMinMapSide && side <= kMaxMapSide; };
    if (!fits(size.width()) || !fits(size.height()))
        return std::nullopt;
    return size;
}

std::optional<MapOptions> parseMapOptions(const QStringList& args)
{
    MapOptions options;
    for (const CommandArg& arg :
         readCommandLine(mapCommand().options, args, mapCommand().doubleDash)) {
        const SourceArg taken = takeSourceArg(QStringLiteral("map"), arg, options.source);
        if (taken == SourceArg::Refused)
            return std::nullopt;
        if (taken == SourceArg::Taken)
            continue;
        if (!arg.value || arg.value->isEmpty()) {
            printError(QStringLiteral("map: %1 needs a value").arg(arg.arg));
            return std::nullopt;
        }
        if (arg.name == u"output") {
            options.output = *arg.value;
            continue;
        }
        const std::optional<QSize> size = mapSize(*arg.value);
        if (!size) {
            printError(QStringLiteral("map: --size wants WxH, %1 to %2 pixels each way, not %3")
                           .arg(kMinMapSide)
                           .arg(kMaxMapSide)
                           .arg(*arg.value));
            return std::nullopt;
        }
        options.size = *size;
    }
    if (options.output.isEmpty()) {
        printError(QStringLiteral("map: --output FILE.png is missing"));
        return std::nullopt;
    }
    return options;
}

int runMap(const QStringList& args)
{
    const std::optional<MapOptions> options = parseMapOptions(args);
    if (!options)
        return ExitUsage;
    StderrMessageBoxes boxes;
    SettingsStore store = settingsIn(options->source.directory, boxes);
    ProgramSettings settings(store);
    const SignalPalette palette = settings.palette();
    // Texts in the window's language: the map is the window's.
    std::unique_ptr<QTranslator> english;
    if (settings.interfaceLanguage() == InterfaceLanguage::English) {
        english = installEnglishTexts();
        if (!english)
            printError(
                QStringLiteral("map: the English texts are missing; drawing the Japanese ones"));
    }
    const ReachResult reach = loadReach(QStringLiteral("map"), options->source, settings);
    if (reach.status != ExitOk)
        return reach.status;

    QImage image(options->size, QImage::Format_RGB32);
    QPainter painter(&image);
    paintReachPicture(painter, image.rect(), reach.report, palette);
    painter.end();
    QSaveFile file(options->output);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        printError(
            QStringLiteral("map: cannot write %1: %2").arg(options->output, file.errorString()));
        return ExitUsage;
    }
    return ExitOk;
}

} // namespace

const CliCommand& mapCommand()
{
    static const CliCommand command{
        QStringLiteral("map"),
        QStringLiteral("[FILE|-] --output FILE.png [--home LOCATOR] [--size WxH] [--dir DIR]"),
        QStringLiteral("draw the Es map of the alert page into a PNG, without a display"),
        QStringLiteral(
            "Takes the page as reach does and draws the map of the Es map window into a PNG: "
            "Japan's coast, the four stations in the colour of their Es, around each the rings "
            "where the paths its cloud carries on 28, 50 and 144 MHz end, with a home the paths "
            "from it over the stations and their far ends, the page time and a legend; under "
            "the map, as in the window, each band's reach and the paths from home in words. "
            "Colours "
            "follow the stored ESPalette and texts ESLang, as in the window. The file is "
            "replaced whole or not at all.\n"
            "A page that is not read through writes nothing and is told in one line on standard "
            "error, as parse and fetch tell it."),
        {reachFileOperand()},
        {
            {QStringLiteral("output"), QStringLiteral("the PNG file to write; required"),
             QStringLiteral("FILE.png")},
            homeOption(),
            {QStringLiteral("size"),
             QStringLiteral("the picture's width and height in pixels, %1 to %2 each (default "
                            "%3x%4)")
                 .arg(kMinMapSide)
                 .arg(kMaxMapSide)
                 .arg(kDefaultMapSize.width())
                 .arg(kDefaultMapSize.height()),
             QStringLiteral("WxH")},
            settingsDirOption(),
        },
        DoubleDash::IsArgument,
        QStringLiteral("Exit status: 0 when the map was written, 3 when the page was not read "
                       "through, 2 for a usage error, a FILE that cannot be read or a PNG that "
                       "cannot be written."),
        runMap,
        true,
    };
    return command;
}
