// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cli_runner.h"
#include "support/http_test_server.h"
#include "support/named_case.h"
#include "support/test_page.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
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
    const CliRun run =
        runCli({"fetch", server.url(QStringLiteral("/ISDJ/ionospheric-alert.html"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject object = json(run);
    EXPECT_EQ(object["outcome"].toString(), QStringLiteral("parsed"));
    EXPECT_EQ(object["cells"].toArray()[0].toObject()["caption"].toString(), QStringLiteral("5.3"));
    EXPECT_EQ(object["status_item"].toString(), QStringLiteral("2026/12/07 10:15 JST現在"));
    EXPECT_EQ(object.keys().size(), 13);
    // The transfer's keys come last, after parse's object.
    EXPECT_TRUE(run.out.endsWith(",\"http_status\":200,\"error\":null}\n"));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST(CliFetch, BareHostAndPathIsHttp)
{
    HttpTestServer server;
    server.route(QStringLiteral("/ISDJ/ionospheric-alert.html"),
                 Route{200, testpage::realisticBytes()});
    const QString address = server.url(QStringLiteral("/ISDJ/ionospheric-alert.html"));
    ASSERT_TRUE(address.startsWith(u"http://"));
    const CliRun run = runCli({"fetch", address.mid(7)});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(json(run)["outcome"].toString(), QStringLiteral("parsed"));
}

TEST(CliFetch, WithoutUrlTheStoredHostServes)
{
    HttpTestServer server;
    server.route(QStringLiteral("/ISDJ/ionospheric-alert.html"),
                 Route{200, testpage::realisticBytes()});
    QTemporaryDir dir;
    QFile settings(dir.filePath(QStringLiteral("Ondrel.ini")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    // As a person types it: no scheme.
    settings.write("[ESConf]\nESHost=" + server.url(QString()).mid(7).toUtf8() + "\n");
    settings.close();
    const CliRun run = runCli({"fetch", "--dir", dir.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(json(run)["outcome"].toString(), QStringLiteral("parsed"));
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
    const char* cause; // standard error, after "ondrel-cli: fetch: "
    QJsonValue httpStatus;
    QJsonValue error;
};
ONDREL_NAMED_CASE(FailureCase)

class CliFetchFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(CliFetchFailureTest, OtherOutcomesExitThreeWithTheCause)
{
    HttpTestServer server;
    server.route(QStringLiteral("/a"), GetParam().route);
    const CliRun run = runCli({"fetch", "--timeout", "0.5", server.url(QStringLiteral("/a"))});
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    EXPECT_EQ(run.err, QByteArray("ondrel-cli: fetch: ") + GetParam().cause + '\n');
    const QJsonObject object = json(run);
    EXPECT_EQ(object["outcome"].toString(), QLatin1String(GetParam().outcome));
    EXPECT_TRUE(object["header_opaque"].toBool());
    EXPECT_EQ(object["status_item"].toString(), QString::fromUtf8(GetParam().statusItem));
    EXPECT_EQ(object["http_status"], GetParam().httpStatus);
    EXPECT_EQ(object["error"], GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Server, CliFetchFailureTest,
    testing::Values(
        FailureCase{"NeverAnswers", Route{200, {}, {}, HttpTestServer::Behaviour::Stall},
                    "network-error", "応答なし-11", "network-error: no answer within 0.5 s",
                    QJsonValue::Null, "no answer within 0.5 s"},
        FailureCase{"Maintenance", Route{503, "<title>Maintenance</title>"}, "not-alert-page",
                    "QRX 読み込み中", "not-alert-page: HTTP 503", 503, QJsonValue::Null},
        FailureCase{"NotFound", Route{404, "<title>404 Not Found</title>"}, "not-alert-page",
                    "QRX 読み込み中", "not-alert-page: HTTP 404", 404, QJsonValue::Null},
        FailureCase{"NotFoundWithoutBody", Route{404, {}}, "not-alert-page", "QRX 読み込み中",
                    "not-alert-page: HTTP 404", 404, QJsonValue::Null},
        FailureCase{"ServerErrorWithoutBody", Route{500, {}}, "not-alert-page", "QRX 読み込み中",
                    "not-alert-page: HTTP 500", 500, QJsonValue::Null},
        FailureCase{"EmptyBody", Route{200, {}}, "failed", "QRX 読み込み中", "failed: HTTP 200",
                    200, QJsonValue::Null}),
    [](const auto& info) { return std::string(info.param.name); });

struct CauseCase {
    const char* name;
    QString url; // PORT: a port nobody listens on
    const char* cause;
};
ONDREL_NAMED_CASE(CauseCase)

class CliFetchCauseTest : public testing::TestWithParam<CauseCase> {};

TEST_P(CliFetchCauseTest, NamesTheCauseWithoutPromisingARetry)
{
    quint16 port = 0;
    {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        port = closed.serverPort();
    }
    const QString url =
        QString(GetParam().url).replace(QStringLiteral("PORT"), QString::number(port));
    const CliRun run = runCli({"fetch", url});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, QByteArray("ondrel-cli: fetch: network-error: ") + GetParam().cause + '\n');
    const QJsonObject object = json(run);
    EXPECT_EQ(object["outcome"].toString(), QStringLiteral("network-error"));
    EXPECT_EQ(object["error"].toString(), QString::fromUtf8(GetParam().cause));
    EXPECT_TRUE(object["http_status"].isNull());
}

INSTANTIATE_TEST_SUITE_P(Transfer, CliFetchCauseTest,
                         testing::Values(CauseCase{"Refused", "http://127.0.0.1:PORT/",
                                                   "connection refused"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliFetch, HttpsToAPlainServerIsATlsError)
{
    QTcpServer plain;
    ASSERT_TRUE(plain.listen(QHostAddress::LocalHost));
    QObject::connect(&plain, &QTcpServer::newConnection, &plain, [&plain] {
        plain.nextPendingConnection()->write("HTTP/1.1 400 Bad Request\r\n\r\n");
    });
    const CliRun run = runCli({"fetch", "--timeout", "5",
                               QStringLiteral("https://127.0.0.1:%1/").arg(plain.serverPort())});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.startsWith("ondrel-cli: fetch: network-error: TLS error: "))
        << run.err.toStdString();
}

TEST(CliFetch, BadOptionsAreUsageErrors)
{
    for (const QStringList& args :
         {QStringList{"fetch", "--timeout", "soon"}, QStringList{"fetch", "--timeout"},
          QStringList{"fetch", "a", "b"}, QStringList{"fetch", "--x"},
          QStringList{"fetch", "--dir", "/nonexistent"}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

} // namespace
