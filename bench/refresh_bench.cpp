// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/page_refresh.h"
#include "core/text/code_conv.h"
#include "core/text/text_helpers.h"

#include <QFile>

#include <benchmark/benchmark.h>

namespace {

QByteArray realisticPage()
{
    QFile file(QStringLiteral(ONDREL_TEST_DATA "/alert-realistic.html"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test page");
    return file.readAll();
}

// An alert page of `mebibytes` MiB whose four station blocks are padded
// with thousands of distinct tags: the worst case of the markup removal.
QByteArray hostilePage(int mebibytes)
{
    QByteArray page = realisticPage();
    const qsizetype perStation = qsizetype(mebibytes) * 1024 * 1024 / 4;
    const char* headers[] = {
        "== 稚内(北海道) ==", "== 国分寺(東京) ==", "== 山川(鹿児島) ==", "== 大宜味(沖縄) =="};
    int serial = 0;
    for (const char* header : headers) {
        QByteArray tags;
        while (tags.size() < perStation) {
            const QByteArray id = QByteArray::number(serial++);
            tags += "<span id=\"s" + id + "\">a-</span" + id + ">";
        }
        page.insert(page.indexOf(header) + qsizetype(qstrlen(header)), tags);
    }
    return page;
}

void BM_RefreshRealisticPage(benchmark::State& state)
{
    const QByteArray page = realisticPage();
    CodeConv conv;
    for (auto _ : state) {
        ReadoutState readout;
        benchmark::DoNotOptimize(refreshFromStart(page, readout, conv));
    }
}
BENCHMARK(BM_RefreshRealisticPage)->Unit(benchmark::kMicrosecond);

void BM_RefreshHostilePage(benchmark::State& state)
{
    const QByteArray page = hostilePage(static_cast<int>(state.range(0)));
    CodeConv conv;
    for (auto _ : state) {
        ReadoutState readout;
        benchmark::DoNotOptimize(refreshFromStart(page, readout, conv));
    }
    state.SetBytesProcessed(state.iterations() * page.size());
}
BENCHMARK(BM_RefreshHostilePage)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_ConvertRealisticPage(benchmark::State& state)
{
    const QByteArray page = realisticPage();
    CodeConv conv;
    for (auto _ : state) {
        const QString text = UpperCase(conv.sjisToText(conv.U16toSJIS(conv.U8toU16(page))));
        benchmark::DoNotOptimize(text.constData());
    }
}
BENCHMARK(BM_ConvertRealisticPage)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
