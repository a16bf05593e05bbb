// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/heard_station.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QTimeZone>

#include <benchmark/benchmark.h>

#include <array>

namespace {

// A Decode datagram as WSJT-X sends it.
QByteArray decodeDatagram(const QString& message, int second)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_4);
    out << kWsjtxMagic << quint32(3) << quint32(2) << QByteArray("WSJT-X") << true
        << quint32(3 * 3600 * 1000 + second * 1000) << qint32(-10) << 0.1 << quint32(1200)
        << QByteArray("~") << message.toUtf8() << false << false;
    return bytes;
}

// A busy 6 m band: calls with grids, reports placed by a remembered grid
// or the call area, and foreign calls placed by cty.dat.
QList<QByteArray> busyBand()
{
    const std::array<const char*, 10> forms = {
        "CQ JA6A%1 PM53",    "CQ DX HL1A%1 PM37",  "JA1XYZ BV2A%1 PL05", "CQ BY4A%1 PM01",
        "JA1XYZ JA6A%1 -12", "JA1XYZ JR8A%1 R-05", "JA1XYZ HL2A%1 RR73", "JA1XYZ BY1A%1 73",
        "CQ 7J3A%1",         "JA1XYZ <JS6A%1> -08"};
    QList<QByteArray> datagrams;
    for (int i = 0; i < 1000; ++i) {
        const QString suffix = QString(QChar(u'A' + i % 26)) + QChar(u'A' + i / 26 % 26);
        datagrams << decodeDatagram(QString::fromLatin1(forms[i % forms.size()]).arg(suffix),
                                    i % 60);
    }
    return datagrams;
}

// 1,000 decodes read, placed and judged from Tokyo against one page.
void BM_HeardDecodes(benchmark::State& state)
{
    const QList<QByteArray> datagrams = busyBand();
    const CallLocator locator;
    ClientBands clients;
    WsjtxStatus status;
    status.id = QStringLiteral("WSJT-X");
    status.dialHz = 50'313'000;
    status.mode = QStringLiteral("FT8");
    clients.update(status);
    EsReading reading;
    reading.pageTime = QStringLiteral("2024/06/01 12:00");
    reading.es = {QStringLiteral("4.0"), QStringLiteral("15.3"), QStringLiteral("12.0"),
                  QStringLiteral("9.5")};
    const QDateTime received(QDate(2024, 6, 1), QTime(3, 1, 0), QTimeZone::utc());
    int located = 0;
    for (auto _ : state) {
        GridMemory memory;
        located = 0;
        for (const QByteArray& bytes : datagrams) {
            const WsjtxDatagram datagram = decodeWsjtxDatagram(bytes);
            const auto* decode = std::get_if<WsjtxDecode>(&datagram);
            if (!decode)
                continue;
            const std::optional<HeardStation> heard = heardStationOf(
                *decode, received, clients, QStringLiteral("PM95vq"), locator, memory, &reading);
            located += heard && heard->path;
        }
        benchmark::DoNotOptimize(located);
    }
    state.counters["located"] = located;
    state.counters["cty"] = locator.countryFileMissing() ? 0 : 1;
}
BENCHMARK(BM_HeardDecodes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
