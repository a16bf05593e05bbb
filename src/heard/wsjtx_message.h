// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QtGlobal>

#include <array>
#include <optional>
#include <variant>

// The messages WSJT-X and JTDX broadcast over UDP: the magic 0xadbccbda,
// a schema number (2 or 3) and a QDataStream payload, big-endian. Only
// the messages heard decodes need are read; later fields a newer client
// adds are left, fields an older one lacks stay empty.

inline constexpr quint32 kWsjtxMagic = 0xadbccbda;

struct WsjtxHeartbeat {
    QString id;
    quint32 maxSchema = 2; // before schema 3 the field was not sent
    QString version;
    QString revision;
};

struct WsjtxStatus {
    QString id;
    quint64 dialHz = 0;
    QString mode;
    QString dxCall;
    QString report;
    QString txMode;
    bool txEnabled = false;
    bool transmitting = false;
    bool decoding = false;
    qint32 rxDf = 0;
    qint32 txDf = 0;
    QString deCall;
    QString deGrid;
    QString dxGrid;
};

struct WsjtxDecode {
    QString id;
    bool isNew = false;
    quint32 msSinceMidnight = 0; // UTC
    qint32 snr = 0;
    double deltaTime = 0;
    quint32 deltaFrequency = 0;
    QString mode;
    QString message;
    bool lowConfidence = false;
    bool offAir = false;
};

struct WsjtxQsoLogged {
    QString id;
    QDateTime dateTimeOff;
    QString dxCall;
    QString dxGrid;
    quint64 txFrequencyHz = 0;
    QString mode;
    QString reportSent;
    QString reportReceived;
    QString txPower;
    QString comments;
    QString name;
    QDateTime dateTimeOn;
    QString operatorCall;
    QString myCall;
    QString myGrid;
    QString exchangeSent;
    QString exchangeReceived;
    QString adifPropagationMode; // newer clients only
};

struct WsjtxClose {
    QString id;
};

struct WsjtxLoggedAdif {
    QString id;
    QString adif;
};

// Why a datagram was not used. Truncated: a field runs past the end;
// Malformed: a field holds what none can (a time past midnight); Ignored:
// a message of a type not read here.
enum class DatagramProblem { Short, BadMagic, UnknownSchema, Truncated, Malformed, Ignored };
inline constexpr int kDatagramProblemCount = 6;

using WsjtxDatagram = std::variant<DatagramProblem, WsjtxHeartbeat, WsjtxStatus, WsjtxDecode,
                                   WsjtxQsoLogged, WsjtxClose, WsjtxLoggedAdif>;

// Reads one datagram. Every length is checked against what is left before
// anything is read or allocated.
WsjtxDatagram decodeWsjtxDatagram(QByteArrayView bytes);

// Datagrams dropped (and ignored) so far, by cause.
class DatagramCounts {
public:
    // Counts `datagram` when it is a problem; true when it is a message.
    bool count(const WsjtxDatagram& datagram);
    quint64 of(DatagramProblem problem) const;
    // Every problem but Ignored.
    quint64 dropped() const;

private:
    std::array<quint64, kDatagramProblemCount> m_counts{};
};
