#include "alert/http_test_server.h"
#include "alert/test_page.h"
#include "cli/cli_runner.h"
#include "named_case.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Route = HttpTestServer::Route;

namespace {

QJsonObject json(const CliRun& run)
{
    return QJsonDocument::fromJson(run.out).object();
}

TEST(CliFetch, ServedPagePrintsTheParseObject)
{
    HttpTestServer server;
    server.route(QStringLiteral("/ISDJ/ionospheric-alert.html"),
                 Route{200, testpage::realisticBytes()});
    const CliRun run = runCli({"fetch", server.url(QStringLiteral("/ISDJ/ionospheric-alert.html"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject object = json(run);
    EXPECT_EQ(object["outcome"].toString(), QStringLiteral("parsed"));
    EXPECT_EQ(object["cells"].toArray()[0].toObject()["caption"].toString(), QStringLiteral("5.3"));
    EXPECT_EQ(object["status_item"].toString(), QStringLiteral("2026/12/07 10:15 JST現在"));
    EXPECT_EQ(object.keys().size(), 11);
}

TEST(CliFetch, SaveKeepsTheBodyAsReceived)
{
    HttpTestServer server;
    const QByteArray body = testpage::realisticBytes() + "\xFF tail";
    server.route(QStringLiteral("/a"), Route{200, body});
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("body.html"));
    const CliRun run = runCli({"fetch", "--save", saved, server.url(QStringLiteral("/a"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), body);
}

struct FailureCase {
    const char* name;
    Route route;
    const char* outcome;
    const char* statusItem;
};
ONDREL_NAMED_CASE(FailureCase)

class CliFetchFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(CliFetchFailureTest, OtherOutcomesExitThree)
{
    HttpTestServer server;
    server.route(QStringLiteral("/a"), GetParam().route);
    const CliRun run = runCli({"fetch", "--timeout", "0.5", server.url(QStringLiteral("/a"))});
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    const QJsonObject object = json(run);
    EXPECT_EQ(object["outcome"].toString(), QLatin1String(GetParam().outcome));
    EXPECT_TRUE(object["header_opaque"].toBool());
    EXPECT_EQ(object["status_item"].toString(), QString::fromUtf8(GetParam().statusItem));
}

INSTANTIATE_TEST_SUITE_P(
    Server, CliFetchFailureTest,
    testing::Values(FailureCase{"NeverAnswers", Route{200, {}, {}, HttpTestServer::Behaviour::Stall},
                                "network-error", "応答なし-11"},
                    FailureCase{"Maintenance", Route{503, "<title>Maintenance</title>"},
                                "not-alert-page", "QRX 読み込み中"},
                    FailureCase{"EmptyBody", Route{200, {}}, "failed", "QRX 読み込み中"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliFetch, RefusedConnectionIsANetworkError)
{
    quint16 port = 0;
    {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        port = closed.serverPort();
    }
    const CliRun run = runCli({"fetch", QStringLiteral("http://127.0.0.1:%1/").arg(port)});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(json(run)["outcome"].toString(), QStringLiteral("network-error"));
    EXPECT_TRUE(run.err.contains("Hostとの通信エラーです"));
}

TEST(CliFetch, BadOptionsAreUsageErrors)
{
    for (const QStringList& args : {QStringList{"fetch", "--timeout", "soon"},
                                    QStringList{"fetch", "--timeout"},
                                    QStringList{"fetch", "a", "b"}, QStringList{"fetch", "--x"}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

} // namespace
