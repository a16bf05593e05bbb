// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/adif_reader.h"
#include "support/byte_pipe.h"
#include "support/named_case.h"

#include <QBuffer>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A record in one line: call, grid, time, band, band MHz, FREQ, mode,
// submode, my grid, PROP_MODE, RST_RCVD and SNR, "-" for none.
std::string describe(const AdifRecord& r)
{
    const auto text = [](const QString& t) { return t.isEmpty() ? QStringLiteral("-") : t; };
    const auto number = [](const auto& n) { return n ? QString::number(*n) : QStringLiteral("-"); };
    return QStringList{text(r.call),     text(r.grid),        r.time.toString(Qt::ISODate),
                       text(r.band),     number(r.bandMHz),   number(r.freqMHz),
                       text(r.mode),     text(r.submode),     text(r.myGrid),
                       text(r.propMode), text(r.rstReceived), number(r.snr)}
        .join(u' ')
        .toStdString();
}

struct ReadCase {
    const char* name;
    const char* adif;
    std::vector<std::string> records;
    // "LINE WORD": the skip's line and a word of its reason.
    std::vector<std::string> skipped;
};
ONDREL_NAMED_CASE(ReadCase)

class AdifReadTest : public testing::TestWithParam<ReadCase> {};

// Every case is also read a few bytes at a time, so that tags, values and
// multi-byte characters fall across chunk boundaries, and from a pipe,
// whose size is not known beforehand.
TEST_P(AdifReadTest, RecordsAndSkips)
{
    QByteArray bytes(GetParam().adif);
    for (qsizetype chunk : {1, 3, 7, 64 * 1024})
        for (bool pipe : {false, true}) {
            SCOPED_TRACE(testing::Message() << "chunk " << chunk << (pipe ? ", pipe" : ""));
            QBuffer buffer(&bytes);
            ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
            BytePipe bytePipe(bytes);
            AdifReader reader(pipe ? static_cast<QIODevice&>(bytePipe) : buffer, chunk);
            std::vector<std::string> records;
            while (std::optional<AdifRecord> record = reader.next())
                records.push_back(describe(*record));
            EXPECT_EQ(records, GetParam().records);
            EXPECT_EQ(reader.recordsRead(), static_cast<int>(records.size()));
            ASSERT_EQ(reader.skipped().size(), GetParam().skipped.size());
            for (std::size_t k = 0; k < reader.skipped().size(); ++k) {
                const AdifSkip& skip = reader.skipped()[k];
                const QString expected = QString::fromStdString(GetParam().skipped[k]);
                EXPECT_EQ(skip.line, expected.section(u' ', 0, 0).toInt());
                EXPECT_TRUE(skip.reason.contains(expected.section(u' ', 1)))
                    << skip.reason.toStdString();
            }
        }
    EXPECT_EQ(readAdifText(GetParam().adif).records.size(), GetParam().records.size());
}

INSTANTIATE_TEST_SUITE_P(
    Logs, AdifReadTest,
    testing::Values(
        ReadCase{"WsjtxRecord",
                 "WSJT-X ADIF Export<eoh>\n"
                 "<call:6>JA6ABC <gridsquare:4>PM51 <mode:3>FT8 <rst_sent:3>-10 <rst_rcvd:3>-12 "
                 "<qso_date:8>20240601 <time_on:6>012345 <qso_date_off:8>20240601 "
                 "<time_off:6>012415 <band:2>6m <freq:9>50.314500 <station_callsign:6>JA1XYZ "
                 "<my_gridsquare:6>PM95VQ <eor>\n",
                 {"JA6ABC PM51 2024-06-01T01:23:45Z 6m 50 50.3145 FT8 - PM95vq - -12 -12"},
                 {}},
        ReadCase{"NoHeader",
                 "<call:5>HL1AB<qso_date:8>20240601<time_on:4>1200<eor>\n"
                 "<call:5>BV2CD<qso_date:8>20240602<time_on:4>1300<eor>\n",
                 {"HL1AB - 2024-06-01T12:00:00Z - - - - - - - - -",
                  "BV2CD - 2024-06-02T13:00:00Z - - - - - - - - -"},
                 {}},
        ReadCase{"HeaderWithFieldsAndTags",
                 "Made by <me> for <you>\n<adif_ver:5>3.1.0 <call:4>NONE <programid:6>WSJT-X "
                 "<EOH>\n<call:5>JA1AB<qso_date:8>20240601<time_on:4>1200<eor>",
                 {"JA1AB - 2024-06-01T12:00:00Z - - - - - - - - -"},
                 {}},
        ReadCase{"TagsInAnyCase",
                 "<eoh><Call:5>ja1ab<QSO_DATE:8>20240601<Time_On:4>1200<BAND:2>6M<Mode:3>ft8"
                 "<Prop_Mode:2>es<EoR>",
                 {"JA1AB - 2024-06-01T12:00:00Z 6m 50 - FT8 - - ES - -"},
                 {}},
        ReadCase{"LastEorMissing",
                 "<eoh>\n<call:5>JA1AB<qso_date:8>20240601<time_on:4>1200<eor>\n"
                 "<call:5>JA2CD<qso_date:8>20240601<time_on:4>1201\n",
                 {"JA1AB - 2024-06-01T12:00:00Z - - - - - - - - -",
                  "JA2CD - 2024-06-01T12:01:00Z - - - - - - - - -"},
                 {}},
        ReadCase{"NonAsciiCommentCountedInBytes",
                 "<eoh><call:5>JA1AB<comment:13>Es 開けた!<band:2>6m<qso_date:8>20240601"
                 "<time_on:4>1200<eor>",
                 {"JA1AB - 2024-06-01T12:00:00Z 6m 50 - - - - - - -"},
                 {}},
        ReadCase{"TypedFieldsAndTextBetween",
                 "<eoh><call:5:S>JA1AB then some text < not a tag > <<freq:6:N>50.313 x "
                 "<qso_date:8:D>20240601 <time_on:6:T>120030 <eor>",
                 {"JA1AB - 2024-06-01T12:00:30Z 6m 50 50.313 - - - - - -"},
                 {}},
        ReadCase{"Locators",
                 "<call:5>JA1AB<gridsquare:8>pm95vq12<my_gridsquare:4>pl36<qso_date:8>20240601"
                 "<time_on:4>1200<eor>\n"
                 "<call:5>JA1AB<gridsquare:4>ZZ99<qso_date:8>20240601<time_on:4>1201<eor>",
                 {"JA1AB PM95vq 2024-06-01T12:00:00Z - - - - - PL36 - - -",
                  "JA1AB - 2024-06-01T12:01:00Z - - - - - - - - -"},
                 {}},
        ReadCase{"BandFromFrequency",
                 "<call:5>JA1AB<freq:6>28.074<qso_date:8>20240601<time_on:4>1200<eor>\n"
                 "<call:5>JA1AB<freq:5>7.074<qso_date:8>20240601<time_on:4>1200<eor>\n"
                 "<call:5>JA1AB<band:3>40m<freq:5>7.074<qso_date:8>20240601<time_on:4>1200<eor>\n"
                 "<call:5>JA1AB<band:2>2M<freq:4>abcd<qso_date:8>20240601<time_on:4>1200<eor>",
                 {"JA1AB - 2024-06-01T12:00:00Z 10m 28 28.074 - - - - - -",
                  "JA1AB - 2024-06-01T12:00:00Z - - 7.074 - - - - - -",
                  "JA1AB - 2024-06-01T12:00:00Z 40m - 7.074 - - - - - -",
                  "JA1AB - 2024-06-01T12:00:00Z 2m 144 - - - - - - -"},
                 {}},
        ReadCase{"Reports",
                 "<call:5>JA1AB<rst_rcvd:3>+05<mode:4>MFSK<submode:3>FT4<qso_date:8>20240601"
                 "<time_on:4>1200<eor>\n"
                 "<call:5>JA1AB<rst_rcvd:3>599<qso_date:8>20240601<time_on:4>1200<eor>",
                 {"JA1AB - 2024-06-01T12:00:00Z - - - MFSK FT4 - - +05 5",
                  "JA1AB - 2024-06-01T12:00:00Z - - - - - - - 599 -"},
                 {}},
        ReadCase{"DamagedRecordsSkippedByLine",
                 "WSJT-X ADIF Export\r\n<eoh>\r\n"
                 "<call:5>JA1AB<qso_date:8>20240631<time_on:4>1200<eor>\r\n"
                 "<call:5>JA1AB<qso_date:7>2024063<time_on:4>1200<eor>\r\n"
                 "\r\n<qso_date:8>20240601<time_on:4>1200<eor>\r\n"
                 "<call:5>JA1AB<qso_date:8>20240601\r\n<time_on:4>2460<eor>\r\n"
                 "<call:5>JA1AB<qso_date:8>20240601<time_on:3>120<eor>\r\n"
                 "<call:5>JA2CD<qso_date:8>20240601<time_on:4>1200<eor>\r\n",
                 {"JA2CD - 2024-06-01T12:00:00Z - - - - - - - - -"},
                 {"3 QSO_DATE", "4 QSO_DATE", "6 CALL", "7 TIME_ON", "9 TIME_ON"}},
        ReadCase{"LengthPastTheEnd",
                 "<call:5>JA1AB<qso_date:8>20240601<time_on:4>1200<eor>\n"
                 "<call:5>JA2CD\n<comment:99999>short<qso_date:8>20240601<time_on:4>1200<eor>\n",
                 {"JA1AB - 2024-06-01T12:00:00Z - - - - - - - - -"},
                 {"3 長さ"}},
        ReadCase{"UsedFieldPastTheEnd",
                 "<call:5>JA1AB<qso_date:8>20240601<time_on:4>1200<eor><call:1234567890123456>JA",
                 {"JA1AB - 2024-06-01T12:00:00Z - - - - - - - - -"},
                 {"1 長さ"}},
        ReadCase{"Nothing", "", {}, {}},
        ReadCase{"HeaderOnly", "WSJT-X ADIF Export<eoh>\n", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AdifRecordKey, SameContactSameKey)
{
    const AdifText read =
        readAdifText("<call:5>JA1AB<qso_date:8>20240601<time_on:6>120030<band:2>6m<eor>"
                     "<call:5>ja1ab<qso_date:8>20240601<time_on:4>1200<freq:6>50.313<eor>"
                     "<call:5>JA1AB<qso_date:8>20240601<time_on:4>1201<band:2>6m<eor>"
                     "<call:5>JA1AB<qso_date:8>20240601<time_on:4>1200<band:3>10m<eor>");
    ASSERT_EQ(read.records.size(), 4u);
    EXPECT_EQ(read.records[0].key(), QStringLiteral("JA1AB 202406011200 6m"));
    EXPECT_EQ(read.records[1].key(), read.records[0].key());
    EXPECT_NE(read.records[2].key(), read.records[0].key());
    EXPECT_NE(read.records[3].key(), read.records[0].key());
}

} // namespace
