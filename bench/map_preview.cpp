// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/home_locator.h"
#include "core/settings/settings_store.h"
#include "heard/heard_session.h"
#include "history/history_log.h"
#include "history_sample.h"
#include "map_sample.h"
#include "map_ui/es_map_window.h"
#include "map_ui/heard_on_map.h"
#include "reach/reach_map.h"
#include "window/interface_language.h"
#include "window/qt_message_boxes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// The map alone, as paintReachMap draws it into an image.
QImage mapImage(QSize size, const ReachReport& report, SignalPalette palette,
                const std::vector<HeardMark>& heard)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    paintReachMap(painter, image.rect(), report, palette, heard);
    return image;
}

// The stations a recorded WSJT-X run in `folder` (tests/data/wsjtx/…: one
// datagram per file, in name order) heard, judged by `reading` from
// `home` (else the run's DE grid), as marks of the last half hour.
std::vector<HeardMark> replayedMarks(const QString& folder, EsReading reading, const QString& home)
{
    const CallLocator locator;
    HeardSession session(locator);
    session.setHome(home);
    // The run's slot is 10:30 JST on 14 June 2026; the page before it.
    reading.pageTime = QStringLiteral("2026/06/14 10:15 JST");
    session.addReading(reading);
    const QDateTime received(QDate(2026, 6, 14), QTime(1, 30, 14), Qt::UTC);
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            session.take(file.readAll(), received);
    }
    const std::vector<HeardStation> heard(session.recent().begin(), session.recent().end());
    return heardMarks(heard, received.addSecs(-30 * 60), received, nullptr);
}

// The process' proportional set size, KiB.
long pssKiB()
{
    QFile file(QStringLiteral("/proc/self/smaps_rollup"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression pss(QStringLiteral("^Pss:\\s+(\\d+) kB"),
                                        QRegularExpression::MultilineOption);
    return pss.match(QString::fromLatin1(file.readAll())).captured(1).toLong();
}

// The whole window on a day of made-up logged pages and the sample readout;
// with `memory`, what opening it cost is told on standard output.
QImage windowImage(QSize size, const QString& home, SignalPalette palette, bool busy, bool memory)
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
    // Something on screen first, as the compact window would be.
    QWidget before;
    before.resize(156, 195);
    before.show();
    QEventLoop shown;
    QTimer::singleShot(500, &shown, &QEventLoop::quit);
    shown.exec();
    const long pssBefore = pssKiB();
    HomeLocator homeLocator(settings);
    EsMapWindow window([&log] { return &log; }, homeLocator, settings);
    window.nowUtc = [end] { return end; };
    window.setSignalPalette(palette);
    window.resize(size);
    window.show();
    window.showReadout(sampleReadout(busy));
    // The layout takes the new texts, and the window is shown and painted.
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();
    if (memory) {
        const long pssOpen = pssKiB();
        std::printf("PSS before the map: %ld KiB; with the map open: %ld KiB (+%ld KiB)\n",
                    pssBefore, pssOpen, pssOpen - pssBefore);
    }
    return window.grab().toImage();
}

} // namespace

// Writes the Es map of a sample readout into a PNG, for looking at it:
//   map_preview OUT.png [--size WxH] [--home LOCATOR] [--cvd] [--en] [--busy] [--window]
//               [--memory] [--heard FOLDER]
// The sample has Kokubunji open on 50 MHz; --busy opens all four stations;
// --window takes the whole map window instead of the map alone, --memory
// also prints what opening it cost in PSS; --heard puts on the map alone
// the stations of a recorded WSJT-X run (tests/data/wsjtx/wsjtx-2.6.1).
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
    const QCommandLineOption memory(QStringLiteral("memory"), QStringLiteral("PSS it costs"));
    const QCommandLineOption heard(QStringLiteral("heard"), QStringLiteral("a recorded run"),
                                   QStringLiteral("folder"));
    parser.addOptions({size, home, cvd, english, busy, window, memory, heard});
    parser.process(app);
    const QStringList wh = parser.value(size).split(u'x');
    if (parser.positionalArguments().size() != 1 || wh.size() != 2) {
        std::fprintf(stderr, "map_preview: OUT.png [--size WxH] [--home LOCATOR] [--cvd] [--en] "
                             "[--busy] [--window] [--memory] [--heard FOLDER]\n");
        return 2;
    }
    const auto translator = installInterfaceLanguage(
        parser.isSet(english) ? InterfaceLanguage::English : InterfaceLanguage::Japanese);
    const QSize pixels(wh[0].toInt(), wh[1].toInt());
    const SignalPalette palette = parser.isSet(cvd) ? SignalPalette::Cvd : SignalPalette::Standard;
    const QImage image =
        parser.isSet(window) || parser.isSet(memory)
            ? windowImage(pixels, parser.value(home), palette, parser.isSet(busy),
                          parser.isSet(memory))
            : mapImage(pixels, reachOf(sampleReading(parser.isSet(busy)), parser.value(home)),
                       palette,
                       parser.isSet(heard)
                           ? replayedMarks(parser.value(heard), sampleReading(parser.isSet(busy)),
                                           parser.value(home))
                           : std::vector<HeardMark>());
    return image.save(parser.positionalArguments()[0]) ? 0 : 1;
}
