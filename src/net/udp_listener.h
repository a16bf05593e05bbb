// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/udp_listen_address.h"

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUdpSocket>

#include <optional>

enum class ListenState { Off, Listening, PortInUse, Failed };

// Hears the datagrams WSJT-X and JTDX send and hands each one up as it
// came, undecoded. A unicast port is taken only when no other program
// holds it; a multicast group is joined with the port shared, beside
// GridTracker, JTAlert and the loggers. A flood of datagrams is read a
// batch per turn of the event loop, so the window keeps ticking and the
// backlog stays in the socket's own bounded buffer.
class UdpListener : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kDefaultMaxDatagramBytes = 64 * 1024;
    static constexpr int kDatagramsPerTurn = 32;

    explicit UdpListener(QObject* parent = nullptr);

    // Listens where `address` says, after stopping what was heard before;
    // nothing stops listening. Tells the outcome by stateChanged.
    void listen(const std::optional<UdpListenAddress>& address);

    // Larger datagrams are dropped unread and counted.
    void setMaxDatagramBytes(qint64 bytes) { m_maxDatagramBytes = bytes; }
    qint64 droppedCount() const { return m_dropped; }

    ListenState state() const { return m_state; }
    // The state in words for the status line, the tray and standard error,
    // in the interface's language, with the way out when the port is in use.
    QString stateText() const { return m_stateText; }

signals:
    void datagram(const QByteArray& bytes, const QHostAddress& sender, quint16 senderPort);
    void stateChanged(ListenState state, const QString& text);

private:
    void readBatch();
    bool joinGroup(const QHostAddress& group);
    void setState(ListenState state, const QString& text);

    QUdpSocket m_socket;
    QTimer m_nextBatch;
    qint64 m_maxDatagramBytes = kDefaultMaxDatagramBytes;
    qint64 m_dropped = 0;
    ListenState m_state = ListenState::Off;
    QString m_stateText;
};
