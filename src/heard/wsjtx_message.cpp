// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/wsjtx_message.h"

#include <QTimeZone>

#include <bit>

namespace {

constexpr quint32 kNullLength = 0xffffffff;
constexpr quint32 kMsPerDay = 24 * 60 * 60 * 1000;

// QDataStream's encoding read by hand, so that no length from the wire
// is trusted: every read checks what is left first. After the first
// failure every read gives a default and failed() stays true.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}

    bool failed() const { return m_failed; }
    bool atEnd() const { return m_pos == m_bytes.size(); }

    quint64 unsignedOf(int size)
    {
        if (!take(size))
            return 0;
        quint64 value = 0;
        for (int i = 0; i < size; ++i)
            value = value << 8 | static_cast<quint8>(m_bytes[m_pos - size + i]);
        return value;
    }

    void read(bool& field) { field = unsignedOf(1) != 0; }
    void read(quint32& field) { field = static_cast<quint32>(unsignedOf(4)); }
    void read(qint32& field) { field = static_cast<qint32>(unsignedOf(4)); }
    void read(quint64& field) { field = unsignedOf(8); }
    void read(double& field) { field = std::bit_cast<double>(unsignedOf(8)); }

    // utf8: a QByteArray's length and bytes, 0xffffffff for a null one.
    void read(QString& field)
    {
        const quint32 length = static_cast<quint32>(unsignedOf(4));
        if (m_failed || length == kNullLength) {
            field = QString();
            return;
        }
        if (!take(length))
            return;
        field = QString::fromUtf8(m_bytes.sliced(m_pos - length, length));
    }

    // Julian day, milliseconds since midnight, Qt::TimeSpec (0 local, 1 UTC,
    // 2 offset seconds, 3 a time zone).
    void read(QDateTime& field)
    {
        const auto day = static_cast<qint64>(unsignedOf(8));
        const auto ms = static_cast<quint32>(unsignedOf(4));
        const auto timeSpec = static_cast<quint8>(unsignedOf(1));
        QTimeZone zone = QTimeZone::utc();
        if (timeSpec == 0)
            zone = QTimeZone::systemTimeZone();
        else if (timeSpec == 2)
            zone = QTimeZone(static_cast<qint32>(unsignedOf(4)));
        else if (timeSpec == 3)
            zone = timeZone();
        if (m_failed)
            return;
        field = QDateTime(
            QDate::fromJulianDay(day),
            ms < kMsPerDay ? QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)) : QTime(), zone);
    }

    template <typename... Fields>
    void required(Fields&... fields)
    {
        (read(fields), ...);
    }

    // Fields a newer client added: read while there are bytes left.
    template <typename... Fields>
    void present(Fields&... fields)
    {
        ((atEnd() ? void() : read(fields)), ...);
    }

private:
    // A QString: its length in bytes and UTF-16, 0xffffffff for a null one.
    QString utf16()
    {
        const quint32 length = static_cast<quint32>(unsignedOf(4));
        if (m_failed || length == kNullLength)
            return {};
        if (length % 2 != 0) {
            m_failed = true;
            return {};
        }
        if (!take(length))
            return {};
        QString text(static_cast<qsizetype>(length / 2), Qt::Uninitialized);
        const qsizetype start = m_pos - length;
        for (qsizetype i = 0; i < text.size(); ++i)
            text[i] = QChar(static_cast<char16_t>(static_cast<quint8>(m_bytes[start + 2 * i]) << 8 |
                                                  static_cast<quint8>(m_bytes[start + 2 * i + 1])));
        return text;
    }

    // A zone by its IANA id, or (as Qt 6 writes UTC) "OffsetFromUtc", id,
    // offset, name, abbreviation, territory and comment.
    QTimeZone timeZone()
    {
        const QString id = utf16();
        if (id == u"OffsetFromUtc") {
            utf16();
            const auto offset = static_cast<qint32>(unsignedOf(4));
            utf16();
            utf16();
            unsignedOf(4);
            utf16();
            return QTimeZone(offset);
        }
        const QTimeZone named(id.toUtf8());
        return named.isValid() ? named : QTimeZone::utc();
    }

    bool take(quint64 size)
    {
        if (m_failed || size > static_cast<quint64>(m_bytes.size() - m_pos)) {
            m_failed = true;
            return false;
        }
        m_pos += static_cast<qsizetype>(size);
        return true;
    }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    bool m_failed = false;
};

WsjtxDatagram readHeartbeat(Reader& r)
{
    WsjtxHeartbeat m;
    r.required(m.id);
    r.present(m.maxSchema, m.version, m.revision);
    return m;
}

WsjtxDatagram readStatus(Reader& r)
{
    WsjtxStatus m;
    r.required(m.id, m.dialHz, m.mode, m.dxCall, m.report, m.txMode, m.txEnabled, m.transmitting,
               m.decoding);
    r.present(m.rxDf, m.txDf, m.deCall, m.deGrid, m.dxGrid);
    return m;
}

WsjtxDatagram readDecode(Reader& r)
{
    WsjtxDecode m;
    r.required(m.id, m.isNew, m.msSinceMidnight, m.snr, m.deltaTime, m.deltaFrequency, m.mode,
               m.message);
    r.present(m.lowConfidence, m.offAir);
    if (!r.failed() && m.msSinceMidnight >= kMsPerDay)
        return DatagramProblem::Malformed;
    return m;
}

WsjtxDatagram readQsoLogged(Reader& r)
{
    WsjtxQsoLogged m;
    r.required(m.id, m.dateTimeOff, m.dxCall, m.dxGrid, m.txFrequencyHz, m.mode, m.reportSent,
               m.reportReceived, m.txPower, m.comments, m.name);
    r.present(m.dateTimeOn, m.operatorCall, m.myCall, m.myGrid, m.exchangeSent, m.exchangeReceived,
              m.adifPropagationMode);
    return m;
}

WsjtxDatagram readClose(Reader& r)
{
    WsjtxClose m;
    r.required(m.id);
    return m;
}

WsjtxDatagram readLoggedAdif(Reader& r)
{
    WsjtxLoggedAdif m;
    r.required(m.id, m.adif);
    return m;
}

} // namespace

WsjtxDatagram decodeWsjtxDatagram(QByteArrayView bytes)
{
    Reader r(bytes);
    quint32 magic = 0, schema = 0, type = 0;
    r.required(magic, schema, type);
    if (r.failed())
        return DatagramProblem::Short;
    if (magic != kWsjtxMagic)
        return DatagramProblem::BadMagic;
    // Schema 2 is QDataStream's Qt 5.2 encoding, 3 its Qt 5.4 one: the
    // same for every field read here.
    if (schema != 2 && schema != 3)
        return DatagramProblem::UnknownSchema;
    WsjtxDatagram datagram;
    switch (type) {
    case 0:
        datagram = readHeartbeat(r);
        break;
    case 1:
        datagram = readStatus(r);
        break;
    case 2:
        datagram = readDecode(r);
        break;
    case 5:
        datagram = readQsoLogged(r);
        break;
    case 6:
        datagram = readClose(r);
        break;
    case 12:
        datagram = readLoggedAdif(r);
        break;
    default:
        return DatagramProblem::Ignored;
    }
    if (r.failed())
        return DatagramProblem::Truncated;
    return datagram;
}

bool DatagramCounts::count(const WsjtxDatagram& datagram)
{
    const auto* problem = std::get_if<DatagramProblem>(&datagram);
    if (!problem)
        return true;
    ++m_counts[static_cast<std::size_t>(*problem)];
    return false;
}

quint64 DatagramCounts::of(DatagramProblem problem) const
{
    return m_counts[static_cast<std::size_t>(problem)];
}

quint64 DatagramCounts::dropped() const
{
    quint64 total = 0;
    for (int p = 0; p < kDatagramProblemCount; ++p) {
        if (static_cast<DatagramProblem>(p) != DatagramProblem::Ignored)
            total += m_counts[static_cast<std::size_t>(p)];
    }
    return total;
}
