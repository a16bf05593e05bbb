// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/udp_listener.h"

#include <QCoreApplication>
#include <QNetworkDatagram>
#include <QNetworkInterface>

namespace {

QString offText()
{
    return QCoreApplication::translate("UdpListener", "WSJT-X・JTDX の UDP は受けていません");
}

QString listeningText(const UdpListenAddress& where)
{
    return where.multicast
               ? QCoreApplication::translate("UdpListener", "マルチキャスト %1:%2 を受けています")
                     .arg(where.address)
                     .arg(where.port)
               : QCoreApplication::translate("UdpListener", "UDP %1:%2 を受けています")
                     .arg(where.address)
                     .arg(where.port);
}

// The way out differs: a unicast port can be left to its owner and the
// stream shared by multicast; a group's port held unshared needs its owner
// to share it.
QString inUseText(const UdpListenAddress& where)
{
    return where.multicast
               ? QCoreApplication::translate(
                     "UdpListener",
                     "UDP ポート %2 は他のプログラムが共有せずに使っています。"
                     "そのプログラムもマルチキャスト %1:%2 で受けるようにしてください")
                     .arg(where.address)
                     .arg(where.port)
               : QCoreApplication::translate(
                     "UdpListener",
                     "UDP %1:%2 は他のプログラムが使っています。マルチキャスト (224.0.0.1:%2 "
                     "など) で一緒に受けるか、そのプログラムの UDP 転送を使ってください")
                     .arg(where.address)
                     .arg(where.port);
}

QString failedText(const UdpListenAddress& where, const QString& why)
{
    return QCoreApplication::translate("UdpListener", "UDP %1:%2 を受けられません: %3")
        .arg(where.address)
        .arg(where.port)
        .arg(why);
}

QString notJoinedText(const UdpListenAddress& where)
{
    return QCoreApplication::translate("UdpListener",
                                       "マルチキャスト %1 に参加できるネットワークがありません")
        .arg(where.address);
}

} // namespace

UdpListener::UdpListener(QObject* parent) : QObject(parent), m_stateText(offText())
{
    m_nextBatch.setSingleShot(true);
    m_nextBatch.setInterval(0);
    connect(&m_nextBatch, &QTimer::timeout, this, &UdpListener::readBatch);
    connect(&m_socket, &QUdpSocket::readyRead, this, &UdpListener::readBatch);
}

void UdpListener::listen(const std::optional<UdpListenAddress>& address)
{
    m_nextBatch.stop();
    m_socket.close();
    if (!address) {
        setState(ListenState::Off, offText());
        return;
    }
    const QHostAddress host(address->address);
    // Without ShareAddress or ReuseAddressHint no SO_REUSEADDR: on Linux it
    // would let a second unicast socket take a port another program holds.
    const bool bound =
        address->multicast
            ? m_socket.bind(host.protocol() == QAbstractSocket::IPv6Protocol
                                ? QHostAddress(QHostAddress::AnyIPv6)
                                : QHostAddress(QHostAddress::AnyIPv4),
                            address->port,
                            QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)
            : m_socket.bind(host, address->port, QAbstractSocket::DontShareAddress);
    if (!bound) {
        if (m_socket.error() == QAbstractSocket::AddressInUseError)
            setState(ListenState::PortInUse, inUseText(*address));
        else
            setState(ListenState::Failed, failedText(*address, m_socket.errorString()));
        m_socket.close();
        return;
    }
    if (address->multicast && !joinGroup(host)) {
        setState(ListenState::Failed, notJoinedText(*address));
        m_socket.close();
        return;
    }
    setState(ListenState::Listening, listeningText(*address));
}

// WSJT-X sends a group with TTL 1 on the interfaces its settings name,
// loopback alone as often as not, and a membership only hears its own
// interface: so every interface that can carry the group is joined.
bool UdpListener::joinGroup(const QHostAddress& group)
{
    bool joined = false;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const QNetworkInterface::InterfaceFlags flags = interface.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) &&
            (flags.testFlag(QNetworkInterface::IsLoopBack) ||
             flags.testFlag(QNetworkInterface::CanMulticast)))
            joined = m_socket.joinMulticastGroup(group, interface) || joined;
    }
    return joined || m_socket.joinMulticastGroup(group);
}

void UdpListener::readBatch()
{
    for (int n = 0; n < kDatagramsPerTurn && m_socket.hasPendingDatagrams(); ++n) {
        const qint64 size = m_socket.pendingDatagramSize();
        if (size > m_maxDatagramBytes) {
            m_socket.receiveDatagram(0);
            ++m_dropped;
            continue;
        }
        const QNetworkDatagram datagram = m_socket.receiveDatagram(size);
        if (datagram.isValid())
            emit this->datagram(datagram.data(), datagram.senderAddress(),
                                static_cast<quint16>(datagram.senderPort()));
    }
    if (m_socket.hasPendingDatagrams())
        m_nextBatch.start();
}

void UdpListener::setState(ListenState state, const QString& text)
{
    if (state == m_state && text == m_stateText)
        return;
    m_state = state;
    m_stateText = text;
    emit stateChanged(state, text);
}
