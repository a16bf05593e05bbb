// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/heard_session.h"
#include "heard/heard_summary.h"
#include "support/wsjtx_capture.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const QDateTime kReceived(QDate(2026, 6, 14), QTime(1, 30, 14), Qt::UTC);

EsReading pageAt(const QString& jst, const QString& kokubunjiEs)
{
    EsReading r;
    r.pageTime = jst;
    r.es = {QStringLiteral("3.0"), kokubunjiEs, QStringLiteral("4.0"), QStringLiteral("4.0")};
    return r;
}

class RecordedRun : public testing::TestWithParam<const char*> {};

// The slot every recorded run decoded, heard from Tokyo with 国 at 15.3 MHz
// a quarter hour before: once each however often it comes, on 6 m,
// Kyushu's grid judged open over 国.
TEST_P(RecordedRun, HeardOnceEachOnSixMetres)
{
    const QList<QByteArray> datagrams = wsjtxCapture(QString::fromLatin1(GetParam()));
    ASSERT_FALSE(datagrams.isEmpty());
    const CallLocator locator{std::optional<CountryFile>()};
    HeardSession session(locator);
    session.setHome(QStringLiteral("PM95vq"));
    session.addReading(pageAt(QStringLiteral("2026/06/14 10:15"), QStringLiteral("15.3")));
    QSignalSpy listening(&session, &HeardSession::listening);
    for (int pass = 0; pass < 2; ++pass)
        for (const QByteArray& datagram : datagrams)
            session.take(datagram, kReceived);

    QStringList calls;
    for (const HeardStation& station : session.recent()) {
        calls << station.call;
        ASSERT_TRUE(station.band);
        EXPECT_EQ(station.band->name, QStringLiteral("6m")) << station.call.toStdString();
        EXPECT_EQ(station.time, QDateTime(QDate(2026, 6, 14), QTime(1, 30), Qt::UTC));
    }
    calls.sort();
    EXPECT_EQ(calls.join(u' '), QStringLiteral("BV2AB BY4XYZ HL2ABC JA6ABC JA8ABC JE6XYZ "
                                               "JH7ABC JR6DEF"));
    const HeardStation& ja6 = *std::find_if(session.recent().begin(), session.recent().end(),
                                            [](const auto& s) { return s.call == "JA6ABC"; });
    ASSERT_TRUE(ja6.path && ja6.path->verdict);
    EXPECT_EQ(*ja6.path->verdict, Verdict::Open);
    EXPECT_EQ(ja6.path->station, 1);
    EXPECT_FALSE(listening.isEmpty());
    EXPECT_EQ(session.counts().dropped(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Captures, RecordedRun,
                         testing::Values("wsjtx-2.6.1", "wsjtx-2.6.1-schema3-logged",
                                         "jtdx-2.2.159"));

TEST(RecordedRun, LoggedContactComesAsAdif)
{
    const CallLocator locator{std::optional<CountryFile>()};
    HeardSession session(locator);
    QSignalSpy logged(&session, &HeardSession::loggedAdif);
    for (const QByteArray& datagram : wsjtxCapture(QStringLiteral("wsjtx-2.6.1-schema3-logged")))
        session.take(datagram, kReceived);
    ASSERT_EQ(logged.size(), 1);
    EXPECT_TRUE(logged.at(0).at(1).toString().contains(QStringLiteral("JA6ABC")));
}

struct TimelineCase {
    const char* name;
    const char* decodeUtc;
    const char* expectedPage; // "" for none
};

class ReadingTimelineTest : public testing::TestWithParam<TimelineCase> {};

// Pages at 10:00 and 10:15 JST (01:00, 01:15 UTC).
TEST_P(ReadingTimelineTest, PageInForce)
{
    ReadingTimeline timeline;
    timeline.add(pageAt(QStringLiteral("2026/06/14 10:15"), QStringLiteral("6.0")));
    timeline.add(pageAt(QStringLiteral("2026/06/14 10:00"), QStringLiteral("5.0")));
    const EsReading* page =
        timeline.at(QDateTime::fromString(QString::fromLatin1(GetParam().decodeUtc), Qt::ISODate));
    EXPECT_EQ(page ? page->pageTime : QString(), QString::fromLatin1(GetParam().expectedPage));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadingTimelineTest,
    testing::Values(TimelineCase{"before_any", "2026-06-14T00:59:59Z", ""},
                    TimelineCase{"first", "2026-06-14T01:14:59Z", "2026/06/14 10:00"},
                    TimelineCase{"at_second", "2026-06-14T01:15:00Z", "2026/06/14 10:15"},
                    TimelineCase{"half_hour_old", "2026-06-14T01:45:00Z", "2026/06/14 10:15"},
                    TimelineCase{"too_old", "2026-06-14T01:45:01Z", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HeardSummary, CallGroups)
{
    const std::pair<const char*, const char*> cases[] = {
        {"JR6DEF", "JA6"}, {"7J1ABC", "JA1"}, {"JA1XYZ/P", "JA1"}, {"HL2ABC", "HL"},
        {"BV2AB", "BV"},   {"BY4XYZ", "BY"},  {"3D2AB", "3D"},     {"KH0/JA1XYZ", "KH"},
    };
    for (const auto& [call, group] : cases)
        EXPECT_EQ(callGroup(QString::fromLatin1(call)), QString::fromLatin1(group)) << call;
}

} // namespace
