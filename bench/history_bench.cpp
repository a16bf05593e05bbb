// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/chart_data.h"
#include "history/history_log.h"
#include "history_sample.h"
#include "history_ui/history_chart.h"
#include "history_ui/history_window.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kDays = 30;

// A month of pages, made once for all benchmarks.
struct Month {
    Month() : log(dir.filePath(QStringLiteral("history.sqlite")))
    {
        if (!log.open())
            qFatal("cannot open the sample log");
        fillSampleHistory(log, kDays, end);
    }
    QTemporaryDir dir;
    QDateTime end = QDateTime::currentDateTimeUtc();
    HistoryLog log;
};

Month& month()
{
    static Month m;
    return m;
}

// From Ctrl+H to the first frame: the window is made, reads its span,
// prepares and paints the chart. The log is already open, as in the
// running program.
void BM_OpenHistoryWindow(benchmark::State& state)
{
    Month& m = month();
    const auto span = kChartSpans[state.range(0)];
    for (auto _ : state) {
        HistoryWindow window([&m] { return &m.log; });
        window.nowUtc = [&m] { return m.end; };
        window.setSpan(span); // reads the log when the span changes
        if (span == ChartSpan::Hours24)
            window.reload();
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
    state.SetLabel(QStringLiteral("%1 h shown of %2 days logged")
                       .arg(spanSeconds(span) / 3600)
                       .arg(kDays)
                       .toStdString());
}
BENCHMARK(BM_OpenHistoryWindow)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_ReadMonth(benchmark::State& state)
{
    Month& m = month();
    for (auto _ : state)
        benchmark::DoNotOptimize(m.log.read());
}
BENCHMARK(BM_ReadMonth)->Unit(benchmark::kMillisecond);

void BM_PrepareMonth(benchmark::State& state)
{
    Month& m = month();
    const std::vector<PageRecord> records = m.log.read();
    const qint64 to = m.end.toSecsSinceEpoch();
    for (auto _ : state)
        benchmark::DoNotOptimize(prepareChart(records, ChartView::Es, to - 30 * 86400, to,
                                              HistoryChart::leastTop(ChartView::Es)));
}
BENCHMARK(BM_PrepareMonth)->Unit(benchmark::kMillisecond);

// Opening the log itself (integrity check, layout, last page), once per run.
void BM_OpenMonthLog(benchmark::State& state)
{
    Month& m = month();
    for (auto _ : state) {
        HistoryLog log(m.log.path());
        benchmark::DoNotOptimize(log.open());
    }
}
BENCHMARK(BM_OpenMonthLog)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
