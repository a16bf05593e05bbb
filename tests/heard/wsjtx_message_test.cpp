// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/wsjtx_message.h"
#include "support/named_case.h"

#include <QDataStream>
#include <QIODevice>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Fields written the way WSJT-X writes them: a QDataStream (big-endian),
// strings as UTF-8 QByteArrays.
class Fields {
public:
    explicit Fields(QDataStream::Version version = QDataStream::Qt_5_4)
        : m_out(&m_bytes, QIODevice::WriteOnly)
    {
        m_out.setVersion(version);
    }
    template <typename T>
    Fields& operator<<(const T& value)
    {
        m_out << value;
        return *this;
    }
    Fields& operator<<(const char* text)
    {
        m_out << QByteArray(text);
        return *this;
    }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    QDataStream m_out;
};

QByteArray datagram(quint32 type, const QByteArray& fields, quint32 schema = 3,
                    quint32 magic = kWsjtxMagic)
{
    return (Fields() << magic << schema << type).bytes() + fields;
}

QDataStream::Version versionOf(quint32 schema)
{
    return schema == 2 ? QDataStream::Qt_5_2 : QDataStream::Qt_5_4;
}

// As WSJT-X (Qt 5) writes it: Qt::UTC.
const QDateTime kOff(QDate(2024, 6, 1), QTime(3, 4, 5), Qt::UTC);

// Each message's fields every client sends, then those later ones add.
const QByteArray kHeartbeatFirst = (Fields() << "WSJT-X").bytes();
const QByteArray kHeartbeatLater = (Fields() << quint32(3) << "2.6.1"
                                             << "abc123")
                                       .bytes();
const QByteArray kStatusFirst = (Fields() << "WSJT-X" << quint64(50313000) << "FT8"
                                          << "JA6ABC"
                                          << "-12"
                                          << "FT8" << true << false << true)
                                    .bytes();
const QByteArray kStatusLater = (Fields() << qint32(1200) << qint32(1500) << "JA1XYZ"
                                          << "PM95"
                                          << "PM53")
                                    .bytes();
QByteArray decodeFirst(quint32 schema = 3)
{
    return (Fields(versionOf(schema))
            << "WSJT-X" << true << QTime(23, 59, 45) << qint32(-7) << 0.25 << quint32(1234) << "~"
            << "CQ JA6ABC PM53")
        .bytes();
}
const QByteArray kDecodeLater = (Fields() << false << true).bytes();
const QByteArray kQsoFirst = (Fields() << "WSJT-X" << kOff << "JA6ABC"
                                       << "PM53" << quint64(50313500) << "FT8"
                                       << "-10"
                                       << "-12"
                                       << "50"
                                       << "tnx"
                                       << "Taro")
                                 .bytes();
// A client built with Qt 6 writes a time zone: UTC as an offset zone.
const QByteArray kQsoLater = (Fields() << kOff.addSecs(-90).toTimeZone(QTimeZone::utc()) << "JA1XYZ"
                                       << "JA1XYZ"
                                       << "PM95vq"
                                       << ""
                                       << "")
                                 .bytes();
const QByteArray kClose = datagram(6, (Fields() << "JTDX").bytes());
const QByteArray kLoggedAdif = datagram(12, (Fields() << "WSJT-X"
                                                      << "<call:6>JA6ABC <eor>")
                                                .bytes());

template <typename Message>
Message decoded(const QByteArray& bytes)
{
    const WsjtxDatagram result = decodeWsjtxDatagram(bytes);
    EXPECT_TRUE(std::holds_alternative<Message>(result)) << result.index();
    return std::holds_alternative<Message>(result) ? std::get<Message>(result) : Message{};
}

TEST(WsjtxMessage, HeartbeatInBothSchemas)
{
    for (quint32 schema : {2u, 3u}) {
        const auto m =
            decoded<WsjtxHeartbeat>(datagram(0, kHeartbeatFirst + kHeartbeatLater, schema));
        EXPECT_EQ(m.id, u"WSJT-X");
        EXPECT_EQ(m.maxSchema, 3u);
        EXPECT_EQ(m.version, u"2.6.1");
        EXPECT_EQ(m.revision, u"abc123");
    }
}

TEST(WsjtxMessage, StatusWithLaterFieldsLeft)
{
    const QByteArray newer = (Fields() << false << "" << false << quint8(0)).bytes();
    const auto m = decoded<WsjtxStatus>(datagram(1, kStatusFirst + kStatusLater + newer));
    EXPECT_EQ(m.dialHz, 50313000u);
    EXPECT_EQ(m.mode, u"FT8");
    EXPECT_EQ(m.dxCall, u"JA6ABC");
    EXPECT_TRUE(m.txEnabled);
    EXPECT_FALSE(m.transmitting);
    EXPECT_EQ(m.rxDf, 1200);
    EXPECT_EQ(m.deCall, u"JA1XYZ");
    EXPECT_EQ(m.deGrid, u"PM95");
    EXPECT_EQ(m.dxGrid, u"PM53");
}

TEST(WsjtxMessage, DecodeInBothSchemas)
{
    for (quint32 schema : {2u, 3u}) {
        const auto m =
            decoded<WsjtxDecode>(datagram(2, decodeFirst(schema) + kDecodeLater, schema));
        EXPECT_TRUE(m.isNew);
        EXPECT_EQ(m.msSinceMidnight, (23 * 3600 + 59 * 60 + 45) * 1000u);
        EXPECT_EQ(m.snr, -7);
        EXPECT_DOUBLE_EQ(m.deltaTime, 0.25);
        EXPECT_EQ(m.deltaFrequency, 1234u);
        EXPECT_EQ(m.message, u"CQ JA6ABC PM53");
        EXPECT_FALSE(m.lowConfidence);
        EXPECT_TRUE(m.offAir);
    }
}

TEST(WsjtxMessage, QsoLoggedWithItsTimes)
{
    const auto m = decoded<WsjtxQsoLogged>(datagram(5, kQsoFirst + kQsoLater));
    EXPECT_EQ(m.dateTimeOff, kOff);
    EXPECT_EQ(m.dateTimeOn, kOff.addSecs(-90));
    EXPECT_EQ(m.dxGrid, u"PM53");
    EXPECT_EQ(m.txFrequencyHz, 50313500u);
    EXPECT_EQ(m.myGrid, u"PM95vq");
    EXPECT_TRUE(m.adifPropagationMode.isNull());
}

TEST(WsjtxMessage, CloseAndLoggedAdif)
{
    EXPECT_EQ(decoded<WsjtxClose>(kClose).id, u"JTDX");
    EXPECT_EQ(decoded<WsjtxLoggedAdif>(kLoggedAdif).adif, u"<call:6>JA6ABC <eor>");
}

TEST(WsjtxMessage, NullStringIsNull)
{
    const auto m = decoded<WsjtxClose>(datagram(6, (Fields() << QByteArray()).bytes()));
    EXPECT_TRUE(m.id.isNull());
}

struct ProblemCase {
    const char* name;
    QByteArray bytes;
    DatagramProblem problem;
};
ONDREL_NAMED_CASE(ProblemCase)

class DatagramProblemTest : public testing::TestWithParam<ProblemCase> {};

TEST_P(DatagramProblemTest, DroppedAndCounted)
{
    const WsjtxDatagram result = decodeWsjtxDatagram(GetParam().bytes);
    ASSERT_TRUE(std::holds_alternative<DatagramProblem>(result));
    EXPECT_EQ(std::get<DatagramProblem>(result), GetParam().problem);
    DatagramCounts counts;
    EXPECT_FALSE(counts.count(result));
    EXPECT_EQ(counts.of(GetParam().problem), 1u);
    EXPECT_EQ(counts.dropped(), GetParam().problem == DatagramProblem::Ignored ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Problems, DatagramProblemTest,
    testing::Values(
        ProblemCase{"Empty", {}, DatagramProblem::Short},
        ProblemCase{"NoType", kClose.first(8), DatagramProblem::Short},
        ProblemCase{"BadMagic", datagram(6, kHeartbeatFirst, 3, 0xadbccbdb),
                    DatagramProblem::BadMagic},
        ProblemCase{"SchemaOne", datagram(6, kHeartbeatFirst, 1), DatagramProblem::UnknownSchema},
        ProblemCase{"SchemaFour", datagram(6, kHeartbeatFirst, 4), DatagramProblem::UnknownSchema},
        ProblemCase{"HugeLength", datagram(6, QByteArray("\x7f\xff\xff\xf0x", 5)),
                    DatagramProblem::Truncated},
        ProblemCase{"TimePastMidnight",
                    datagram(2, (Fields() << "W" << true << quint32(86'400'000) << qint32(0) << 0.0
                                          << quint32(0) << "~"
                                          << "CQ JA1XYZ")
                                    .bytes()),
                    DatagramProblem::Malformed},
        ProblemCase{"Clear", datagram(3, kHeartbeatFirst), DatagramProblem::Ignored},
        ProblemCase{"WsprDecode", datagram(10, kHeartbeatFirst), DatagramProblem::Ignored}),
    [](const auto& info) { return std::string(info.param.name); });

// Cut anywhere inside, every message is dropped as short or truncated.
TEST(WsjtxMessage, EveryTruncationIsDropped)
{
    const std::vector<std::pair<const char*, QByteArray>> whole = {
        {"heartbeat", datagram(0, kHeartbeatFirst)},
        {"status", datagram(1, kStatusFirst)},
        {"decode", datagram(2, decodeFirst())},
        {"qsoLogged", datagram(5, kQsoFirst)},
        {"close", kClose},
        {"loggedAdif", kLoggedAdif}};
    for (const auto& [name, bytes] : whole) {
        EXPECT_FALSE(std::holds_alternative<DatagramProblem>(decodeWsjtxDatagram(bytes))) << name;
        for (qsizetype length = 0; length < bytes.size(); ++length) {
            const WsjtxDatagram cut = decodeWsjtxDatagram(bytes.first(length));
            ASSERT_TRUE(std::holds_alternative<DatagramProblem>(cut)) << name << " " << length;
            const DatagramProblem problem = std::get<DatagramProblem>(cut);
            EXPECT_TRUE(problem == DatagramProblem::Short || problem == DatagramProblem::Truncated)
                << name << " " << length;
        }
    }
}

} // namespace
