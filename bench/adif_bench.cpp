// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a WSJT-X log of 100,000 contacts made by make_adif.py: the time,
// the peak memory of reading it and keeping every record beside the
// file's size, and the time of reading and judging every contact.
#include "heard/adif_reader.h"
#include "heard/contact_path.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kContacts = 100000;
QString samplePath;

double mebibytes(double bytes)
{
    return bytes / (1024.0 * 1024.0);
}

// The resident set now and at its highest, in bytes.
double residentBytes()
{
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * 4096;
}

double peakResidentBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024;
}

// Reads the sample, handing each record to `keep`; false unless every
// contact came back and none was skipped.
template <typename Keep>
bool readSample(Keep keep)
{
    QFile file(samplePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    AdifReader reader(file);
    while (std::optional<AdifRecord> record = reader.next())
        keep(std::move(*record));
    return reader.recordsRead() == kContacts && reader.skipped().empty();
}

// Run first, before anything else has raised the peak; the memory
// counters hold for a run of their own, without repetitions.
void BM_ReadAndKeepAdif(benchmark::State& state)
{
    const double before = residentBytes();
    std::vector<AdifRecord> records;
    for (auto _ : state)
        if (!readSample([&](AdifRecord&& r) { records.push_back(std::move(r)); }))
            state.SkipWithError("the sample did not read back whole");
    const double fileBytes = static_cast<double>(QFile(samplePath).size());
    const double peak = peakResidentBytes();
    state.counters["file_MiB"] = mebibytes(fileBytes);
    state.counters["peak_MiB"] = mebibytes(peak);
    state.counters["growth_MiB"] = mebibytes(peak - before);
    state.counters["peak_per_file"] = peak / fileBytes;
}
BENCHMARK(BM_ReadAndKeepAdif)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ReadAdif(benchmark::State& state)
{
    for (auto _ : state) {
        int calls = 0;
        if (!readSample([&](AdifRecord&& r) { calls += !r.call.isEmpty(); }))
            state.SkipWithError("the sample did not read back whole");
        benchmark::DoNotOptimize(calls);
    }
    state.SetItemsProcessed(state.iterations() * kContacts);
}
BENCHMARK(BM_ReadAdif)->Unit(benchmark::kMillisecond);

// A page for each quarter hour the sample has a contact in, 国 and 鹿
// carrying 6 m from Tokyo by turns, so that verdicts come out both ways.
ReadingTimeline samplePages()
{
    std::vector<qint64> quarters;
    readSample([&](AdifRecord&& r) { quarters.push_back(r.time.toSecsSinceEpoch() / 900); });
    std::sort(quarters.begin(), quarters.end());
    quarters.erase(std::unique(quarters.begin(), quarters.end()), quarters.end());
    ReadingTimeline pages(quarters.size());
    for (const qint64 slot : quarters) {
        EsReading page;
        page.pageTime = QDateTime::fromSecsSinceEpoch(slot * 900, QTimeZone(9 * 3600))
                            .toString(QStringLiteral("yyyy/MM/dd hh:mm"));
        const bool odd = slot % 2;
        page.es = {QStringLiteral("4.0"), odd ? QStringLiteral("15.3") : QStringLiteral("5.0"),
                   odd ? QStringLiteral("6.0") : QStringLiteral("12.0"), QStringLiteral("?")};
        pages.add(page);
    }
    return pages;
}

void BM_ReadAndJudgeAdif(benchmark::State& state)
{
    const ReadingTimeline pages = samplePages();
    const CallLocator locator;
    for (auto _ : state) {
        GridMemory memory;
        int open = 0;
        if (!readSample([&](AdifRecord&& r) {
                const ContactPath contact =
                    contactPathOf(r, QStringLiteral("PM95vq"), locator, memory, pages);
                open += contact.path && contact.path->verdict == Verdict::Open;
            }))
            state.SkipWithError("the sample did not read back whole");
        if (open == 0)
            state.SkipWithError("no contact was judged open");
        state.counters["open"] = open;
    }
    state.SetItemsProcessed(state.iterations() * kContacts);
}
BENCHMARK(BM_ReadAndJudgeAdif)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    samplePath = dir.filePath(QStringLiteral("sample.adi"));
    if (QProcess::execute(QStringLiteral("python3"), {QStringLiteral(ONDREL_MAKE_ADIF),
                                                      QString::number(kContacts), samplePath}) !=
        0) {
        std::fprintf(stderr, "adif_bench: make_adif.py did not write the sample\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
