// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a WSJT-X log of 100,000 contacts made by make_adif.py: the time,
// and the peak memory of reading it and keeping every record beside the
// file's size.
#include "heard/adif_reader.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

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
