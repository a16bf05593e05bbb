// SPDX-License-Identifier: GPL-3.0-or-later
#include "map_sample.h"
#include "reach/open_area_shading.h"
#include "reach/reach_map.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

namespace {

// The whole map at 1000 × 1000: land, rings, the open area from a home in
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

// 2,000 heard stations spread over the map, every band, a quarter of them
// placed by call area or prefix, of every age.
std::vector<HeardMark> heardSample()
{
    std::vector<HeardMark> marks;
    QRandomGenerator random(28);
    for (int i = 0; i < 2000; ++i) {
        const GeoPoint at{24 + random.bounded(22.0), 122 + random.bounded(26.0)};
        marks.push_back(
            {at, midpoint({33.6, 130.4}, at), i % kBandCount, i % 4 == 0, random.bounded(1.0)});
    }
    return marks;
}

// With a home in Fukuoka, all four stations open (144 MHz too): the open
// area of all three bands, and 2,000 heard stations.
void BM_RenderMapHeard(benchmark::State& state)
{
    const ReachReport report = reachOf(sampleReading(true), QStringLiteral("PM53fo"));
    const std::vector<HeardMark> marks = heardSample();
    QImage image(1000, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        paintReachMap(painter, image.rect(), report, SignalPalette::Standard, marks);
    }
}
BENCHMARK(BM_RenderMapHeard)->Unit(benchmark::kMillisecond);

// The open area's cells alone, without drawing them.
void BM_OpenAreaShapes(benchmark::State& state)
{
    const EsReading reading = sampleReading(true);
    const MapProjection projection(QRectF(0, 0, 1000, 1000));
    for (auto _ : state)
        benchmark::DoNotOptimize(openAreaShapes({33.6, 130.4}, reading, projection));
}
BENCHMARK(BM_OpenAreaShapes)->Unit(benchmark::kMillisecond);

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
