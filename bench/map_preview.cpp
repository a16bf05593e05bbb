// SPDX-License-Identifier: GPL-3.0-or-later
#include "map_sample.h"
#include "reach/reach_map.h"
#include "window/interface_language.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QImage>
#include <QPainter>

#include <cstdio>

// Renders the Es map of a sample page into a PNG, for looking at it:
//   map_preview OUT.png [--size WxH] [--home LOCATOR] [--cvd] [--en] [--busy]
// The sample has Kokubunji open on 50 MHz; --busy opens all four stations.
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
    parser.addOptions({size, home, cvd, english, busy});
    parser.process(app);
    const QStringList wh = parser.value(size).split(u'x');
    if (parser.positionalArguments().size() != 1 || wh.size() != 2) {
        std::fprintf(stderr, "map_preview: OUT.png [--size WxH] [--home LOC] [--cvd] [--en]\n");
        return 2;
    }
    const auto translator = installInterfaceLanguage(
        parser.isSet(english) ? InterfaceLanguage::English : InterfaceLanguage::Japanese);
    QImage image(wh[0].toInt(), wh[1].toInt(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    paintReachMap(painter, image.rect(),
                  reachOf(sampleReading(parser.isSet(busy)), parser.value(home)),
                  parser.isSet(cvd) ? SignalPalette::Cvd : SignalPalette::Standard);
    painter.end();
    return image.save(parser.positionalArguments()[0]) ? 0 : 1;
}
