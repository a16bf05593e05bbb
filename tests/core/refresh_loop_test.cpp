// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/refresh/refresh_loop.h"

#include "support/fakes.h"
#include "support/test_page.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const QString kErrorText = QStringLiteral("Hostとの通信エラーです\r\n30秒後に自動リトライします ");

QByteArray titled(const QByteArray& title)
{
    return "<html><head><title>" + title + "</title></head><body>x</body></html>";
}

// The loop with every outside effect faked; records what it told, in order.
struct LoopFixture {
    LoopFixture()
    {
        loop.setAlertUrl(QStringLiteral("http://alert/"));
        QObject::connect(&loop, &RefreshLoop::readoutChanged, &loop, [this] { told += 'c'; });
        QObject::connect(&loop, &RefreshLoop::refreshStarted, &loop, [this] { told += 's'; });
        QObject::connect(&loop, &RefreshLoop::refreshed, &loop,
                         [this](RefreshOutcome outcome, const ReadoutState& readout) {
                             told += 'r';
                             outcomes.push_back(outcome);
                             boxesAtRefreshed = boxes.shown.size();
                             firstCell = readout.cells[0].caption;
                         });
    }

    FakeDownload download;
    FakeMessageBoxes boxes;
    FakeClock clock;
    FakeTimer retryTimer;
    RefreshLoop loop{download, boxes, clock, retryTimer};
    std::string told;
    std::vector<RefreshOutcome> outcomes;
    size_t boxesAtRefreshed = 0;
    QString firstCell;
};

TEST(RefreshLoop, EachRefreshIsReportedOnceWithItsReadout)
{
    LoopFixture f;
    f.loop.RefreshAlert();
    f.download.deliver(testpage::realisticBytes());
    f.loop.RefreshAlert();
    f.download.deliver(titled("Maintenance"));
    EXPECT_EQ(f.told, "scrscr");
    EXPECT_EQ(f.outcomes, (std::vector{RefreshOutcome::Parsed, RefreshOutcome::NotAlertPage}));
    EXPECT_EQ(f.firstCell, QStringLiteral("5.3"));
    EXPECT_TRUE(f.loop.readout().headerOpaque);
}

TEST(RefreshLoop, RefusedAccessShowsItsMessageBeforeTheRefreshEnds)
{
    for (const QByteArray& body :
         {titled("403 Forbidden"), titled("403 Forbidden") + titled("NICT Ionospheric Alert")}) {
        LoopFixture f;
        f.loop.RefreshAlert();
        f.download.deliver(body);
        ASSERT_EQ(f.outcomes, std::vector{RefreshOutcome::Forbidden});
        ASSERT_EQ(f.boxes.shown.size(), 1u);
        EXPECT_EQ(f.boxesAtRefreshed, 1u);
        EXPECT_EQ(f.boxes.shown[0].text, QStringLiteral("サイトが閉ざされています"));
        EXPECT_EQ(f.boxes.shown[0].title, QStringLiteral("Ondrel"));
        EXPECT_EQ(f.boxes.shown[0].icon, MessageBoxes::Icon::None);
        EXPECT_FALSE(f.loop.readout().headerOpaque);
    }
}

TEST(RefreshLoop, CommunicationErrorAnnouncesItselfAndArmsOneRetryAfterItsBox)
{
    LoopFixture f;
    f.loop.RefreshAlert();
    f.download.fail();
    EXPECT_EQ(f.told, "sccr"); // the error status, then the refresh's end
    EXPECT_EQ(f.outcomes, std::vector{RefreshOutcome::NetworkError});
    EXPECT_EQ(f.loop.readout().statusItem, QStringLiteral("応答なし-11"));
    EXPECT_TRUE(f.loop.readout().headerOpaque);
    ASSERT_EQ(f.boxes.shown.size(), 1u);
    EXPECT_EQ(f.boxes.shown[0].text, kErrorText);
    EXPECT_EQ(f.boxes.shown[0].milliseconds, 5000);

    EXPECT_FALSE(f.retryTimer.armed());
    f.boxes.closeTimed();
    EXPECT_TRUE(f.retryTimer.armed());
    EXPECT_EQ(f.retryTimer.interval(), 30000);

    f.loop.retry();
    EXPECT_FALSE(f.retryTimer.armed());
    EXPECT_EQ(f.download.urls.size(), 2u);
    f.download.deliver(testpage::realisticBytes());
    EXPECT_EQ(f.loop.readout().statusItem, QStringLiteral("2026/12/07 10:15 JST現在"));
    EXPECT_FALSE(f.loop.readout().headerOpaque);
}

TEST(RefreshLoop, ErrorEventDuringADownloadWhosePageIsAcceptedGivesNoRetry)
{
    for (const bool closeBoxFirst : {true, false}) {
        LoopFixture f;
        f.loop.RefreshAlert();
        f.loop.Inet1_StateChanged(PageDownload::icError);
        if (closeBoxFirst)
            f.boxes.closeTimed();
        f.download.deliver(testpage::realisticBytes());
        f.boxes.closeTimed();
        EXPECT_FALSE(f.retryTimer.armed()) << closeBoxFirst;
        EXPECT_EQ(f.loop.readout().statusItem, QStringLiteral("2026/12/07 10:15 JST現在"));
    }
}

TEST(RefreshLoop, OtherStatesAreIgnored)
{
    LoopFixture f;
    for (int state = 0; state < 13; ++state) {
        if (state != PageDownload::icError)
            f.loop.Inet1_StateChanged(state);
    }
    EXPECT_TRUE(f.boxes.shown.empty());
    EXPECT_TRUE(f.told.empty());
}

TEST(RefreshLoop, ARefreshWhileDownloadingJoinsTheRunningDownload)
{
    LoopFixture f;
    f.loop.RefreshAlert();
    f.loop.RefreshAlert();
    EXPECT_EQ(f.download.urls.size(), 1u);
    f.download.deliver(testpage::realisticBytes());
    EXPECT_EQ(f.told, "sscr");
}

TEST(RefreshLoop, TickShowsTheCountdownAndReloadsWhenDue)
{
    LoopFixture f;
    f.clock.time = QTime(10, 8, 58);
    f.loop.startCounting(); // 178 s into the 180 s period
    f.clock.time = QTime(10, 8, 59);
    f.loop.tick();
    EXPECT_EQ(f.loop.readout().windowCaption, QStringLiteral(" 0:01"));
    EXPECT_TRUE(f.download.urls.empty());
    f.clock.time = QTime(10, 9, 0);
    f.loop.tick();
    EXPECT_EQ(f.download.urls.size(), 1u);
    EXPECT_EQ(f.loop.countdown().ReloadElapsed(), 0);
    EXPECT_EQ(f.told, "ccs"); // the caption is shown before the reload starts
}

} // namespace
