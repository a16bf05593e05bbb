// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/udp_listener.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

long peakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

// A flood of datagrams from 127.0.0.1 at a listener on an event loop that
// also runs a one-second tick, as the window's is; prints how late the
// tick came at worst, what was heard and the peak resident memory:
//   udp_flood [DATAGRAMS [SECONDS [BYTES]]]   (defaults 50000, 5, 120)
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const int total = args.value(0, QStringLiteral("50000")).toInt();
    const int seconds = args.value(1, QStringLiteral("5")).toInt();
    const int bytes = args.value(2, QStringLiteral("120")).toInt();

    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    const quint16 port = probe.localPort();
    probe.close();
    UdpListener listener;
    listener.listen(UdpListenAddress{QStringLiteral("127.0.0.1"), port, false});
    if (listener.state() != ListenState::Listening) {
        std::fprintf(stderr, "udp_flood: %s\n", listener.stateText().toLocal8Bit().constData());
        return 2;
    }
    qint64 heard = 0;
    QObject::connect(&listener, &UdpListener::datagram, &listener,
                     [&heard](const QByteArray&, const QHostAddress&, quint16) { ++heard; });

    const long rssBefore = peakRssKiB();
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 worstLate = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &tick, [&] {
        const qint64 now = clock.elapsed();
        worstLate = std::max(worstLate, now - lastTick - 1000);
        lastTick = now;
    });
    tick.start(1000);

    // Sent in bursts every 10 ms, at the rate asked for on average.
    std::atomic<bool> done = false;
    std::thread sender([&] {
        QUdpSocket socket;
        const QByteArray datagram(bytes, 'x');
        const int bursts = seconds * 100;
        const auto start = std::chrono::steady_clock::now();
        for (int burst = 0; burst < bursts; ++burst) {
            for (int n = total * burst / bursts; n < total * (burst + 1) / bursts; ++n)
                socket.writeDatagram(datagram, QHostAddress::LocalHost, port);
            std::this_thread::sleep_until(start + std::chrono::milliseconds(10 * (burst + 1)));
        }
        done = true;
    });
    QTimer finish;
    QObject::connect(&finish, &QTimer::timeout, &app, [&] {
        if (done)
            QCoreApplication::quit();
    });
    finish.start(1000);
    QCoreApplication::exec();
    sender.join();
    // What is still queued in the socket is read before counting.
    const QDeadlineTimer drain(1000);
    while (!drain.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    std::printf("sent %d datagrams of %d bytes in %d s\n", total, bytes, seconds);
    std::printf("heard %lld (the rest dropped by the kernel's socket buffer)\n", heard);
    std::printf("one-second tick: at worst %lld ms late\n", worstLate);
    std::printf("peak RSS: %ld KiB before the flood, %ld KiB after\n", rssBefore, peakRssKiB());
    return 0;
}
