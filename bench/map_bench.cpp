// SPDX-License-Identifier: GPL-3.0-or-later
#include "map_sample.h"
#include "reach/reach_map.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// The whole map at 1000 × 1000: land, rings, paths from a home in
// Fukuoka, labels and legend. Arg 0: the sample page (one station on
// 50 MHz); 1: every station open, 144 MHz too.
void BM_RenderMap(benchmark::State& state)
{
    const ReachReport report =
        reachOf(sampleReading(state.range(0) == 1), QStringLiteral("PM53fo"));
    QImage image(1000, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        paintReachMap(painter, image.rect(), report, SignalPalette::Standard);
    }
}
BENCHMARK(BM_RenderMap)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
