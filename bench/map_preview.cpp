// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings_store.h"
#include "history/history_log.h"
#include "history_sample.h"
#include "map_sample.h"
#include "map_ui/es_map_window.h"
#include "reach/reach_map.h"
#include "window/interface_language.h"
#include "window/qt_message_boxes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The map alone, as paintReachMap draws it into an image.
QImage mapImage(QSize size, const ReachReport& report, SignalPalette palette)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    paintReachMap(painter, image.rect(), report, palette);
    return image;
}

// The whole window on a day of made-up logged pages and the sample readout.
QImage windowImage(QSize size, const QString& home, SignalPalette palette, bool busy)
{
    QTemporaryDir dir;
    HistoryLog log(dir.filePath(QStringLiteral("history.sqlite")));
    const QDateTime end = QDateTime::currentDateTimeUtc();
    if (!log.open())
        return {};
    fillSampleHistory(log, 1, end);
    QtMessageBoxes boxes;
    SettingsStore settings([&dir] { return dir.path(); }, boxes);
    settings.IniSection = QStringLiteral("ESConf");
    settings.IniPut(QStringLiteral("ESHome"), home);
    EsMapWindow window([&log] { return &log; }, settings);
    window.nowUtc = [end] { return end; };
    window.setSignalPalette(palette);
    window.resize(size);
    window.show();
    window.showReadout(sampleReadout(busy));
    QCoreApplication::processEvents(); // the layout takes the new texts
    return window.grab().toImage();
}

} // namespace

// Writes the Es map of a sample readout into a PNG, for looking at it:
//   map_preview OUT.png [--size WxH] [--home LOCATOR] [--cvd] [--en] [--busy] [--window]
// The sample has Kokubunji open on 50 MHz; --busy opens all four stations;
// --window takes the whole map window instead of the map alone.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("out"), QStringLiteral("the PNG to write"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("WxH"),
                                  QStringLiteral("size"), QStringLiteral("1000x1000"));
    const QCommandLineOption home(QStringLiteral("home"), QStringLiteral("home locator"),
                                  QStringLiteral("locator"));
    const QCommandLineOption cvd(QStringLiteral("cvd"), QStringLiteral("colour-blind palette"));
    const QCommandLineOption english(QStringLiteral("en"), QStringLiteral("English texts"));
    const QCommandLineOption busy(QStringLiteral("busy"), QStringLiteral("all stations open"));
    const QCommandLineOption window(QStringLiteral("window"), QStringLiteral("the whole window"));
    parser.addOptions({size, home, cvd, english, busy, window});
    parser.process(app);
    const QStringList wh = parser.value(size).split(u'x');
    if (parser.positionalArguments().size() != 1 || wh.size() != 2) {
        std::fprintf(stderr, "map_preview: OUT.png [--size WxH] [--home LOCATOR] [--cvd] [--en] "
                             "[--busy] [--window]\n");
        return 2;
    }
    const auto translator = installInterfaceLanguage(
        parser.isSet(english) ? InterfaceLanguage::English : InterfaceLanguage::Japanese);
    const QSize pixels(wh[0].toInt(), wh[1].toInt());
    const SignalPalette palette = parser.isSet(cvd) ? SignalPalette::Cvd : SignalPalette::Standard;
    const QImage image =
        parser.isSet(window)
            ? windowImage(pixels, parser.value(home), palette, parser.isSet(busy))
            : mapImage(pixels, reachOf(sampleReading(parser.isSet(busy)), parser.value(home)),
                       palette);
    return image.save(parser.positionalArguments()[0]) ? 0 : 1;
}
