// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/udp_listener.h"

#include "core/text/english_texts.h"
#include "support/named_case.h"
#include "support/wait_for.h"
#include "support/wsjtx_capture.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QUdpSocket>

#include <gtest/gtest.h>

namespace {

constexpr int kWaitMs = 5000;

// A listener and what it handed up.
struct Heard {
    Heard()
    {
        QObject::connect(&listener, &UdpListener::datagram, &listener,
                         [this](const QByteArray& bytes, const QHostAddress& sender, quint16) {
                             datagrams << bytes;
                             senders << sender;
                         });
        QObject::connect(&listener, &UdpListener::stateChanged, &listener,
                         [this](ListenState state, const QString&) { states << state; });
    }
    UdpListener listener;
    QList<QByteArray> datagrams;
    QList<QHostAddress> senders;
    QList<ListenState> states;
};

void send(const QByteArray& bytes, const QHostAddress& to, quint16 port)
{
    QUdpSocket sender;
    EXPECT_EQ(sender.writeDatagram(bytes, to, port), bytes.size());
}

TEST(UdpListener, HearsUnicastDatagramsAsTheyCame)
{
    Heard heard;
    const quint16 port = freeUdpPort();
    heard.listener.listen(UdpListenAddress{QStringLiteral("127.0.0.1"), port, false});
    ASSERT_EQ(heard.listener.state(), ListenState::Listening);
    EXPECT_EQ(heard.listener.stateText(),
              QStringLiteral("UDP 127.0.0.1:%1 を受けています").arg(port));
    const QByteArray bytes("\xad\xbc\xcb\xda\x00\x00\x00\x02", 8);
    send(bytes, QHostAddress::LocalHost, port);
    send(QByteArray(), QHostAddress::LocalHost, port);
    ASSERT_TRUE(waitFor([&] { return heard.datagrams.size() == 2; }, kWaitMs));
    EXPECT_EQ(heard.datagrams, (QList<QByteArray>{bytes, QByteArray()}));
    EXPECT_EQ(heard.senders.value(0), QHostAddress(QHostAddress::LocalHost));

    heard.listener.listen(std::nullopt);
    EXPECT_EQ(heard.states, (QList<ListenState>{ListenState::Listening, ListenState::Off}));
    QUdpSocket again;
    EXPECT_TRUE(again.bind(QHostAddress::LocalHost, port)) << "the port is given back";
}

// However the other program bound it, with the address shared or not, the
// port stays its own and the listener says so.
struct HolderCase {
    const char* name;
    QAbstractSocket::BindMode mode;
};
ONDREL_NAMED_CASE(HolderCase)

class PortInUseTest : public testing::TestWithParam<HolderCase> {};

TEST_P(PortInUseTest, TellsTheWayOutAndLeavesThePort)
{
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::LocalHost, 0, GetParam().mode));
    const quint16 port = holder.localPort();
    Heard heard;
    heard.listener.listen(UdpListenAddress{QStringLiteral("127.0.0.1"), port, false});
    EXPECT_EQ(heard.states, QList<ListenState>{ListenState::PortInUse});
    EXPECT_EQ(heard.listener.stateText(),
              QStringLiteral("UDP 127.0.0.1:%1 は他のプログラムが使っています。マルチキャスト "
                             "(224.0.0.1:%1 など) で一緒に受けるか、そのプログラムの UDP "
                             "転送を使ってください")
                  .arg(port));
    send("decode", QHostAddress::LocalHost, port);
    ASSERT_TRUE(waitFor([&] { return holder.hasPendingDatagrams(); }, kWaitMs));
    EXPECT_EQ(holder.receiveDatagram().data(), QByteArray("decode"));
    EXPECT_TRUE(heard.datagrams.isEmpty());

    const std::unique_ptr<QTranslator> english = installEnglishTexts();
    ASSERT_TRUE(english);
    heard.listener.listen(UdpListenAddress{QStringLiteral("127.0.0.1"), port, false});
    EXPECT_EQ(heard.listener.stateText(),
              QStringLiteral("UDP 127.0.0.1:%1 is in use by another program. Listen beside it on "
                             "a multicast group (such as 224.0.0.1:%1), or use that program's UDP "
                             "forwarding")
                  .arg(port));
}

INSTANTIATE_TEST_SUITE_P(Holders, PortInUseTest,
                         testing::Values(HolderCase{"Exclusive", QAbstractSocket::DontShareAddress},
                                         HolderCase{"Shared",
                                                    QAbstractSocket::ShareAddress |
                                                        QAbstractSocket::ReuseAddressHint}),
                         [](const auto& info) { return std::string(info.param.name); });

// 224.0.0.1 carries no membership reports, and the datagram goes out on
// the loopback interface with TTL 0: nothing leaves the machine.
TEST(UdpListener, TwoListenersShareAMulticastGroup)
{
    const quint16 port = freeUdpPort();
    const UdpListenAddress group{QStringLiteral("224.0.0.1"), port, true};
    Heard first;
    Heard second;
    first.listener.listen(group);
    second.listener.listen(group);
    if (first.listener.state() != ListenState::Listening)
        GTEST_SKIP() << "no multicast here: " << first.listener.stateText().toStdString();
    ASSERT_EQ(second.listener.state(), ListenState::Listening)
        << second.listener.stateText().toStdString();
    EXPECT_EQ(first.listener.stateText(),
              QStringLiteral("マルチキャスト 224.0.0.1:%1 を受けています").arg(port));

    QNetworkInterface loopback;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if (interface.flags().testFlag(QNetworkInterface::IsLoopBack))
            loopback = interface;
    }
    QUdpSocket sender;
    ASSERT_TRUE(sender.bind(QHostAddress::LocalHost, 0));
    sender.setMulticastInterface(loopback);
    sender.setSocketOption(QAbstractSocket::MulticastTtlOption, 0);
    sender.setSocketOption(QAbstractSocket::MulticastLoopbackOption, 1);
    if (!loopback.isValid() ||
        sender.writeDatagram("status", QHostAddress(group.address), port) < 0)
        GTEST_SKIP() << "no multicast route on loopback: " << sender.errorString().toStdString();
    ASSERT_TRUE(waitFor([&] { return !first.datagrams.isEmpty() && !second.datagrams.isEmpty(); },
                        kWaitMs));
    EXPECT_EQ(first.datagrams, QList<QByteArray>{"status"});
    EXPECT_EQ(second.datagrams, QList<QByteArray>{"status"});
}

// A backlog is read a batch per turn of the event loop (a posted call
// runs between batches), and what is too large never comes up.
TEST(UdpListener, ReadsABacklogInBatchesAndDropsOversize)
{
    Heard heard;
    const quint16 port = freeUdpPort();
    heard.listener.setMaxDatagramBytes(1024);
    heard.listener.listen(UdpListenAddress{QStringLiteral("127.0.0.1"), port, false});
    ASSERT_EQ(heard.listener.state(), ListenState::Listening);
    int sinceTurn = 0;
    int mostInATurn = 0;
    QObject::connect(&heard.listener, &UdpListener::datagram, &heard.listener, [&] {
        if (sinceTurn++ == 0)
            QMetaObject::invokeMethod(
                &heard.listener,
                [&] {
                    mostInATurn = std::max(mostInATurn, sinceTurn);
                    sinceTurn = 0;
                },
                Qt::QueuedConnection);
    });
    QUdpSocket sender;
    constexpr int kSent = 120;
    for (int n = 0; n < kSent; ++n) {
        const QByteArray bytes = n % 10 == 9 ? QByteArray(1025, 'x') : QByteArray::number(n);
        ASSERT_EQ(sender.writeDatagram(bytes, QHostAddress::LocalHost, port), bytes.size());
    }
    ASSERT_TRUE(waitFor(
        [&] { return heard.datagrams.size() + heard.listener.droppedCount() == kSent; }, kWaitMs))
        << heard.datagrams.size() << " heard, " << heard.listener.droppedCount() << " dropped";
    EXPECT_EQ(heard.listener.droppedCount(), kSent / 10);
    EXPECT_EQ(heard.datagrams.value(0), QByteArray("0"));
    EXPECT_EQ(heard.datagrams.value(9), QByteArray("10"));
    EXPECT_LE(mostInATurn, 2 * UdpListener::kDatagramsPerTurn);
    EXPECT_GE(mostInATurn, 1);
}

} // namespace
