// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/refresh/fetch_cycle.h"

#include "core/page/readout_state.h"
#include "core/text/code_conv.h"
#include "net/http_page_download.h"
#include "support/fakes.h"
#include "support/http_test_server.h"
#include "support/named_case.h"
#include "support/test_page.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

using Route = HttpTestServer::Route;
using Behaviour = HttpTestServer::Behaviour;

namespace {

const QString kErrorText = QStringLiteral("Hostとの通信エラーです\r\n30秒後に自動リトライします ");

// A window's worth of fetch cycle around a real HTTP download.
class Harness : public FetchCycle::Host {
public:
    explicit Harness(PageDownload* download = nullptr)
        : cycle(state, conv, download ? *download : http, boxes, retryTimer, *this)
    {
        http.setTimeout(2000);
        cycle.finished = [this](RefreshOutcome result) { outcome = result; };
    }

    void readoutChanged() override { ++readoutChanges; }
    void reloadPaneIfOpen() override { ++paneReloads; }
    void closeWindow() override { closedAfterBoxes = static_cast<int>(boxes.shown.size()); }

    std::optional<RefreshOutcome> refresh(const QString& url)
    {
        outcome.reset();
        cycle.alertUrl = url;
        cycle.RefreshAlert();
        const QDeadlineTimer deadline(10000);
        while (!outcome && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return outcome;
    }

    ReadoutState state;
    CodeConv conv;
    HttpPageDownload http;
    FakeMessageBoxes boxes;
    FakeTimer retryTimer;
    FetchCycle cycle;
    std::optional<RefreshOutcome> outcome;
    int readoutChanges = 0;
    int paneReloads = 0;
    int closedAfterBoxes = -1;
};

QByteArray titled(const QByteArray& title)
{
    return "<html><head><title>" + title + "</title></head><body>x</body></html>";
}

struct ServedCase {
    const char* name;
    Route route;
    RefreshOutcome outcome;
    bool headerOpaque;
    bool errorEvent;
};
ONDREL_NAMED_CASE(ServedCase)

class ServedPageTest : public testing::TestWithParam<ServedCase> {};

TEST_P(ServedPageTest, RefreshEndsAsTheServerAnswers)
{
    const ServedCase& c = GetParam();
    HttpTestServer server;
    server.route(QStringLiteral("/ISDJ/ionospheric-alert.html"), c.route);
    Harness harness;
    harness.http.setTimeout(500);
    harness.http.setMaxBodyBytes(256 * 1024);

    ASSERT_EQ(harness.refresh(server.url(QStringLiteral("/ISDJ/ionospheric-alert.html"))),
              c.outcome);
    EXPECT_EQ(harness.state.headerOpaque, c.headerOpaque);
    EXPECT_EQ(harness.state.cells[0].caption == QStringLiteral("5.3"),
              c.outcome == RefreshOutcome::Parsed);
    EXPECT_EQ(harness.state.statusItem == QStringLiteral("応答なし-11"), c.errorEvent);
    EXPECT_EQ(!harness.boxes.openTimed.empty(), c.errorEvent);
    EXPECT_GT(harness.readoutChanges, 0);
    EXPECT_FALSE(harness.retryTimer.armed());
    EXPECT_FALSE(harness.http.busy());
}

INSTANTIATE_TEST_SUITE_P(
    Server, ServedPageTest,
    testing::Values(ServedCase{"GoodPage", Route{200, testpage::realisticBytes()},
                               RefreshOutcome::Parsed, false, false},
                    ServedCase{"AlertPageWithErrorStatus", Route{500, testpage::realisticBytes()},
                               RefreshOutcome::Parsed, false, false},
                    ServedCase{"MaintenancePage", Route{503, titled("メンテナンス中")},
                               RefreshOutcome::NotAlertPage, true, false},
                    ServedCase{"NotFound", Route{404, titled("404 Not Found")},
                               RefreshOutcome::NotAlertPage, true, false},
                    ServedCase{"EmptyBody", Route{200, QByteArray()}, RefreshOutcome::Failed, true,
                               false},
                    ServedCase{"ClosedMidBody",
                               Route{200, testpage::realisticBytes(), {}, Behaviour::CloseMidBody},
                               RefreshOutcome::NetworkError, true, true},
                    ServedCase{"NeverAnswers", Route{200, {}, {}, Behaviour::Stall},
                               RefreshOutcome::NetworkError, true, true},
                    ServedCase{"OversizedBody", Route{200, QByteArray(300 * 1024, 'x')},
                               RefreshOutcome::NetworkError, true, false},
                    ServedCase{"CompressedBody",
                               Route{200,
                                     qCompress(testpage::realisticBytes()).mid(4),
                                     {{"Content-Encoding", "deflate"}}},
                               RefreshOutcome::Parsed, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FetchCycle, ForbiddenPageShowsItsMessageThenClosesTheWindow)
{
    for (const QByteArray& body :
         {titled("403 Forbidden"), titled("403 Forbidden") + titled("NICT Ionospheric Alert")}) {
        HttpTestServer server;
        server.route(QStringLiteral("/a"), Route{403, body});
        Harness harness;
        ASSERT_EQ(harness.refresh(server.url(QStringLiteral("/a"))), RefreshOutcome::Forbidden);
        ASSERT_EQ(harness.boxes.shown.size(), 1u);
        EXPECT_EQ(harness.boxes.shown[0].text, QStringLiteral("サイトが閉ざされています"));
        EXPECT_EQ(harness.boxes.shown[0].title, QStringLiteral("Ondrel"));
        EXPECT_EQ(harness.boxes.shown[0].icon, MessageBoxes::Icon::None);
        EXPECT_EQ(harness.closedAfterBoxes, 1);
        EXPECT_FALSE(harness.state.headerOpaque);
    }
}

TEST(FetchCycle, NotTheAlertPageReloadsThePane)
{
    HttpTestServer server;
    server.route(QStringLiteral("/a"), Route{200, titled("Maintenance")});
    Harness harness;
    harness.refresh(server.url(QStringLiteral("/a")));
    EXPECT_EQ(harness.paneReloads, 1);
    EXPECT_TRUE(harness.boxes.shown.empty());
}

TEST(FetchCycle, RedirectChainIsFollowed)
{
    HttpTestServer server;
    server.route(QStringLiteral("/old"), Route{301, {}, {{"Location", "/older"}}});
    server.route(QStringLiteral("/older"), Route{302, {}, {{"Location", "/page"}}});
    server.route(QStringLiteral("/page"), Route{200, testpage::realisticBytes()});
    Harness harness;
    EXPECT_EQ(harness.refresh(server.url(QStringLiteral("/old"))), RefreshOutcome::Parsed);
    EXPECT_EQ(server.requests.size(), 3);
}

TEST(FetchCycle, RedirectLoopIsACommunicationError)
{
    HttpTestServer server;
    server.route(QStringLiteral("/loop"), Route{302, {}, {{"Location", "/loop"}}});
    Harness harness;
    EXPECT_EQ(harness.refresh(server.url(QStringLiteral("/loop"))), RefreshOutcome::NetworkError);
    EXPECT_EQ(harness.state.statusItem, QStringLiteral("応答なし-11"));
}

TEST(FetchCycle, RequestIdentifiesItselfAndAcceptsCompression)
{
    HttpTestServer server;
    server.route(QStringLiteral("/a"), Route{200, testpage::realisticBytes()});
    Harness harness;
    harness.refresh(server.url(QStringLiteral("/a")));
    ASSERT_EQ(server.requests.size(), 1);
    EXPECT_TRUE(server.requests[0].contains("User-Agent: Ondrel/"));
    const QByteArray& head = server.requests[0];
    const qsizetype encoding = head.indexOf("Accept-Encoding:");
    ASSERT_GE(encoding, 0);
    EXPECT_TRUE(head.mid(encoding, head.indexOf('\n', encoding) - encoding).contains("gzip"));
}

TEST(FetchCycle, UnchangedPageIsNotSentAgain)
{
    HttpTestServer server;
    Route page{200, testpage::realisticBytes()};
    page.etag = "\"v1\"";
    server.route(QStringLiteral("/a"), page);
    Harness harness;
    ASSERT_EQ(harness.refresh(server.url(QStringLiteral("/a"))), RefreshOutcome::Parsed);
    harness.state.cells[0].caption.clear();
    ASSERT_EQ(harness.refresh(server.url(QStringLiteral("/a"))), RefreshOutcome::Parsed);
    ASSERT_EQ(server.requests.size(), 2);
    EXPECT_FALSE(server.requests[0].contains("If-None-Match"));
    EXPECT_TRUE(server.requests[1].contains("If-None-Match: \"v1\""));
    EXPECT_EQ(harness.state.cells[0].caption, QStringLiteral("5.3"));
}

TEST(FetchCycle, RefusedConnectionAnnouncesTheErrorAndArmsOneRetry)
{
    HttpTestServer server;
    const QString url = server.url(QStringLiteral("/a"));
    Harness harness;
    {
        QTcpServer closed; // take a free port, then free it again
        closed.listen(QHostAddress::LocalHost);
        harness.cycle.alertUrl = QStringLiteral("http://127.0.0.1:%1/a").arg(closed.serverPort());
    }
    ASSERT_EQ(harness.refresh(harness.cycle.alertUrl), RefreshOutcome::NetworkError);
    EXPECT_EQ(harness.state.statusItem, QStringLiteral("応答なし-11"));
    EXPECT_TRUE(harness.state.headerOpaque);
    ASSERT_EQ(harness.boxes.shown.size(), 1u);
    EXPECT_EQ(harness.boxes.shown[0].text, kErrorText);
    EXPECT_EQ(harness.boxes.shown[0].title, QStringLiteral("Ondrel"));
    EXPECT_EQ(harness.boxes.shown[0].milliseconds, 5000);

    // The retry is armed only once the box has closed.
    EXPECT_FALSE(harness.retryTimer.armed());
    harness.boxes.closeTimed();
    EXPECT_TRUE(harness.retryTimer.isEnabled());
    EXPECT_EQ(harness.retryTimer.interval(), 30000);

    // The retry's tick refreshes; this time the server is there.
    server.route(QStringLiteral("/a"), Route{200, testpage::realisticBytes()});
    ASSERT_EQ(harness.refresh(url), RefreshOutcome::Parsed);
    EXPECT_FALSE(harness.retryTimer.armed());
    EXPECT_EQ(harness.state.statusItem, QStringLiteral("2026/12/07 10:15 JST現在"));
    EXPECT_FALSE(harness.state.headerOpaque);
}

TEST(FetchCycle, SecondRefreshWhileDownloadingStartsNoSecondDownload)
{
    HttpTestServer server;
    server.route(QStringLiteral("/a"), Route{200, {}, {}, Behaviour::Stall});
    Harness harness;
    harness.http.setTimeout(400);
    harness.retryTimer.setInterval(30000);
    harness.retryTimer.setEnabled(true);
    harness.cycle.alertUrl = server.url(QStringLiteral("/a"));
    harness.cycle.RefreshAlert();
    EXPECT_FALSE(harness.retryTimer.armed());
    harness.retryTimer.setEnabled(true);
    harness.retryTimer.setInterval(30000);
    ASSERT_EQ(harness.refresh(harness.cycle.alertUrl), RefreshOutcome::NetworkError);
    EXPECT_EQ(server.requests.size(), 1);
    EXPECT_EQ(harness.boxes.shown.size(), 1u);
}

// A fetch control that reports a communication error and then still
// delivers a body, as the original control could.
class ErrorThenBody : public PageDownload {
public:
    void get(const QString&, StateChanged stateChanged, Finished finished) override
    {
        stateChanged(icError);
        if (closeBoxFirst)
            boxes->closeTimed();
        finished(testpage::realisticBytes());
    }
    bool busy() const override { return false; }
    void Cancel() override {}
    void keepAccepted() override {}

    FakeMessageBoxes* boxes = nullptr;
    bool closeBoxFirst = false;
};

TEST(FetchCycle, ErrorEventDuringADownloadWhosePageIsAcceptedGivesNoRetry)
{
    for (const bool closeBoxFirst : {true, false}) {
        ErrorThenBody download;
        Harness harness(&download);
        download.boxes = &harness.boxes;
        download.closeBoxFirst = closeBoxFirst;
        ASSERT_EQ(harness.refresh(QStringLiteral("http://unused/")), RefreshOutcome::Parsed);
        harness.boxes.closeTimed();
        EXPECT_FALSE(harness.retryTimer.armed()) << closeBoxFirst;
        EXPECT_FALSE(harness.state.headerOpaque);
        EXPECT_EQ(harness.state.statusItem, QStringLiteral("2026/12/07 10:15 JST現在"));
    }
}

TEST(FetchCycle, OtherStatesAreIgnored)
{
    Harness harness;
    for (int state = 0; state < 13; ++state) {
        if (state != PageDownload::icError)
            harness.cycle.Inet1_StateChanged(state);
    }
    EXPECT_TRUE(harness.boxes.shown.empty());
    EXPECT_EQ(harness.state.statusItem, QStringLiteral("QRX 読み込み中"));
}

} // namespace
