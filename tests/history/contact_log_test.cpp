// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/contact_log.h"

#include <QFile>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kWaitMs = 10000;

QByteArray record(const char* call, const char* timeOn)
{
    return QStringLiteral("<call:%1>%2 <gridsquare:4>PM51 <mode:3>FT8 <qso_date:8>20260614 "
                          "<time_on:6>%3 <band:2>6m <freq:9>50.314500 <eor>\n")
        .arg(qstrlen(call))
        .arg(QLatin1StringView(call), QLatin1StringView(timeOn))
        .toLatin1();
}

QByteArray header(const char* stamp)
{
    return QByteArrayLiteral("ADIF Export\n<adif_ver:5>3.1.1\n<created_timestamp:15>") + stamp +
           QByteArrayLiteral("\n<programid:6>WSJT-X\n<eoh>\n");
}

bool write(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode)
{
    QFile file(path);
    return file.open(mode) && file.write(bytes) == bytes.size();
}

// A WSJT-X log of `records` in `dir`; empty when it cannot be written.
QString newLog(const QTemporaryDir& dir, const QByteArray& records)
{
    const QString path = dir.filePath(QStringLiteral("wsjtx_log.adi"));
    return write(path, header("20260614 013015") + records, QIODevice::WriteOnly) ? path
                                                                                  : QString();
}

QStringList callsOf(const ContactLog& log)
{
    QStringList calls;
    for (const AdifRecord& record : log.contacts())
        calls << record.call;
    return calls;
}

struct AppendCase {
    const char* name;
    std::vector<QByteArray> writes; // appended one after another
};

class ContactLogAppendTest : public testing::TestWithParam<AppendCase> {};

TEST_P(ContactLogAppendTest, AnAppendedContactShowsOnce)
{
    const QTemporaryDir dir;
    const QString path = newLog(dir, record("JA6ABC", "013015"));
    ASSERT_FALSE(path.isEmpty());
    ContactLog log({path});
    ASSERT_EQ(callsOf(log), QStringList{QStringLiteral("JA6ABC")});
    QSignalSpy changed(&log, &ContactLog::changed);
    for (const QByteArray& bytes : GetParam().writes)
        ASSERT_TRUE(write(path, bytes, QIODevice::Append));
    ASSERT_TRUE(changed.wait(kWaitMs));
    EXPECT_EQ(callsOf(log), (QStringList{QStringLiteral("JA6ABC"), QStringLiteral("BV2AB")}));
    EXPECT_EQ(log.contacts().back().grid, QStringLiteral("PM51"));
}

INSTANTIATE_TEST_SUITE_P(Writes, ContactLogAppendTest,
                         testing::Values(AppendCase{"OneRecord", {record("BV2AB", "013515")}},
                                         AppendCase{"InTwoParts",
                                                    {record("BV2AB", "013515").left(20),
                                                     record("BV2AB", "013515").mid(20)}},
                                         AppendCase{"WithOneAlreadyThere",
                                                    {record("JA6ABC", "013015") +
                                                     record("BV2AB", "013515")}}),
                         [](const auto& info) { return info.param.name; });

TEST(ContactLogTest, ALogWrittenAnewIsReadAgain)
{
    const QTemporaryDir dir;
    const QString path = newLog(dir, record("JA6ABC", "013015") + record("BV2AB", "013515"));
    ASSERT_FALSE(path.isEmpty());
    ContactLog log({path});
    ASSERT_EQ(log.contacts().size(), 2U);
    QSignalSpy changed(&log, &ContactLog::changed);
    QSaveFile anew(path); // renamed over the old log, as an editor saves
    ASSERT_TRUE(anew.open(QIODevice::WriteOnly));
    anew.write(header("20260615 000000") + record("HL1AA", "020000"));
    ASSERT_TRUE(anew.commit());
    ASSERT_TRUE(changed.wait(kWaitMs));
    EXPECT_EQ(callsOf(log), QStringList{QStringLiteral("HL1AA")});
}

TEST(ContactLogTest, TheSameContactFromADatagramAndTheLogCountsOnce)
{
    const QTemporaryDir dir;
    const QString path = newLog(dir, record("JA6ABC", "013015"));
    ASSERT_FALSE(path.isEmpty());
    ContactLog log({path});
    QSignalSpy changed(&log, &ContactLog::changed);
    log.addAdifText(QString::fromLatin1(record("JA6ABC", "013015"))); // the log's first
    EXPECT_EQ(changed.count(), 0);
    log.addAdifText(QString::fromLatin1(record("BV2AB", "013515"))); // before the log has it
    EXPECT_EQ(changed.count(), 1);
    ASSERT_TRUE(
        write(path, record("BV2AB", "013515") + record("HL1AA", "014000"), QIODevice::Append));
    ASSERT_TRUE(changed.wait(kWaitMs));
    EXPECT_EQ(callsOf(log), (QStringList{QStringLiteral("JA6ABC"), QStringLiteral("BV2AB"),
                                         QStringLiteral("HL1AA")}));
}

} // namespace
