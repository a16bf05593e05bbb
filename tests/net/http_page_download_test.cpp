// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/http_page_download.h"

#include "core/refresh/refresh_loop.h"
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

// The refresh loop around a real HTTP download.
class Harness {
public:
    Harness()
    {
        http.setTimeout(2000);
        QObject::connect(&loop, &RefreshLoop::refreshed, &loop,
                         [this](RefreshOutcome result) { outcome = result; });
    }

    std::optional<RefreshOutcome> refresh(const QString& url)
    {
        outcome.reset();
        loop.setAlertUrl(url);
        loop.RefreshAlert();
        const QDeadlineTimer deadline(10000);
        while (!outcome && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return outcome;
    }

    HttpPageDownload http;
    FakeMessageBoxes boxes;
    FakeClock clock;
    FakeTimer retryTimer;
    RefreshLoop loop{http, boxes, clock, retryTimer};
    const ReadoutState& state = loop.readout();
    std::optional<RefreshOutcome> outcome;
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
    std::optional<FetchFailure::Cause> cause = {}; // what the status line explains
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
    const std::optional<FetchFailure>& failure = harness.state.fetchFailure;
    EXPECT_EQ(failure ? std::optional(failure->cause) : std::nullopt, c.cause);
    if (failure) {
        EXPECT_EQ(failure->url, server.url(QStringLiteral("/ISDJ/ionospheric-alert.html")));
    }
    EXPECT_FALSE(harness.retryTimer.armed());
    EXPECT_FALSE(harness.http.busy());
}

INSTANTIATE_TEST_SUITE_P(
    Server, ServedPageTest,
    testing::Values(
        ServedCase{"GoodPage", Route{200, testpage::realisticBytes()}, RefreshOutcome::Parsed,
                   false, false},
        ServedCase{"AlertPageWithErrorStatus", Route{500, testpage::realisticBytes()},
                   RefreshOutcome::Parsed, false, false},
        ServedCase{"MaintenancePage", Route{503, titled("メンテナンス中")},
                   RefreshOutcome::NotAlertPage, true, false, FetchFailure::Cause::HttpStatus},
        ServedCase{"NotFound", Route{404, titled("404 Not Found")}, RefreshOutcome::NotAlertPage,
                   true, false, FetchFailure::Cause::HttpStatus},
        ServedCase{"EmptyBody", Route{200, QByteArray()}, RefreshOutcome::Failed, true, false},
        ServedCase{"ClosedMidBody",
                   Route{200, testpage::realisticBytes(), {}, Behaviour::CloseMidBody},
                   RefreshOutcome::NetworkError, true, true, FetchFailure::Cause::Other},
        ServedCase{"NeverAnswers", Route{200, {}, {}, Behaviour::Stall},
                   RefreshOutcome::NetworkError, true, true, FetchFailure::Cause::TimedOut},
        ServedCase{"OversizedBody", Route{200, QByteArray(300 * 1024, 'x')},
                   RefreshOutcome::NetworkError, true, false, FetchFailure::Cause::TooLarge},
        ServedCase{"CompressedBody",
                   Route{200,
                         qCompress(testpage::realisticBytes()).mid(4),
                         {{"Content-Encoding", "deflate"}}},
                   RefreshOutcome::Parsed, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HttpPageDownload, RefusedConnectionIsExplainedUntilAPageComes)
{
    HttpTestServer server;
    server.route(QStringLiteral("/a"), Route{200, testpage::realisticBytes()});
    const QString page = server.url(QStringLiteral("/a"));
    QString refused = page;
    {
        HttpTestServer gone; // its port is free again once it ends
        refused = gone.url(QStringLiteral("/a"));
    }
    Harness harness;
    EXPECT_EQ(harness.refresh(refused), RefreshOutcome::NetworkError);
    ASSERT_TRUE(harness.state.fetchFailure.has_value());
    EXPECT_EQ(harness.state.fetchFailure->cause, FetchFailure::Cause::ConnectionRefused);
    EXPECT_EQ(harness.http.lastError(), QStringLiteral("connection refused"));
    EXPECT_EQ(harness.refresh(page), RefreshOutcome::Parsed);
    EXPECT_FALSE(harness.state.fetchFailure.has_value());
}

TEST(HttpPageDownload, RedirectChainIsFollowed)
{
    HttpTestServer server;
    server.route(QStringLiteral("/old"), Route{301, {}, {{"Location", "/older"}}});
    server.route(QStringLiteral("/older"), Route{302, {}, {{"Location", "/page"}}});
    server.route(QStringLiteral("/page"), Route{200, testpage::realisticBytes()});
    Harness harness;
    EXPECT_EQ(harness.refresh(server.url(QStringLiteral("/old"))), RefreshOutcome::Parsed);
    EXPECT_EQ(server.requests.size(), 3);
}

TEST(HttpPageDownload, RedirectLoopIsACommunicationError)
{
    HttpTestServer server;
    server.route(QStringLiteral("/loop"), Route{302, {}, {{"Location", "/loop"}}});
    Harness harness;
    EXPECT_EQ(harness.refresh(server.url(QStringLiteral("/loop"))), RefreshOutcome::NetworkError);
    EXPECT_EQ(harness.state.statusItem, QStringLiteral("応答なし-11"));
}

TEST(HttpPageDownload, RequestIdentifiesItselfAndAcceptsCompression)
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

TEST(HttpPageDownload, UnchangedPageIsNotSentAgainButAnotherAddressIsAskedAfresh)
{
    HttpTestServer server;
    Route page{200, testpage::realisticBytes()};
    page.etag = "\"v1\"";
    server.route(QStringLiteral("/a"), page);
    server.route(QStringLiteral("/b"), page);
    Harness harness;
    ASSERT_EQ(harness.refresh(server.url(QStringLiteral("/a"))), RefreshOutcome::Parsed);
    harness.loop.readout().cells[0].caption.clear();
    ASSERT_EQ(harness.refresh(server.url(QStringLiteral("/a"))), RefreshOutcome::Parsed);
    ASSERT_EQ(harness.refresh(server.url(QStringLiteral("/b"))), RefreshOutcome::Parsed);
    ASSERT_EQ(server.requests.size(), 3);
    EXPECT_FALSE(server.requests[0].contains("If-None-Match"));
    EXPECT_TRUE(server.requests[1].contains("If-None-Match: \"v1\""));
    EXPECT_FALSE(server.requests[2].contains("If-None-Match")); // ESHost changed
    EXPECT_EQ(harness.state.cells[0].caption, QStringLiteral("5.3"));
}

TEST(HttpPageDownload, SecondRefreshWhileDownloadingStartsNoSecondDownload)
{
    HttpTestServer server;
    server.route(QStringLiteral("/a"), Route{200, {}, {}, Behaviour::Stall});
    Harness harness;
    harness.http.setTimeout(400);
    harness.retryTimer.setInterval(30000);
    harness.retryTimer.setEnabled(true);
    harness.loop.setAlertUrl(server.url(QStringLiteral("/a")));
    harness.loop.RefreshAlert();
    EXPECT_FALSE(harness.retryTimer.armed());
    harness.retryTimer.setEnabled(true);
    harness.retryTimer.setInterval(30000);
    ASSERT_EQ(harness.refresh(harness.loop.alertUrl()), RefreshOutcome::NetworkError);
    EXPECT_EQ(server.requests.size(), 1);
    EXPECT_EQ(harness.boxes.shown.size(), 1u);
}

} // namespace
