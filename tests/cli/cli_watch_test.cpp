// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/notice_command.h"
#include "cli/page_time_filter.h"
#include "support/cli_runner.h"
#include "support/http_test_server.h"
#include "support/named_case.h"
#include "support/test_page.h"
#include "support/wait_for.h"
#include "support/wsjtx_capture.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <csignal>

namespace {

const QString kPath = QStringLiteral("/ISDJ/ionospheric-alert.html");

// ondrel-cli watch with its own settings directory, against the test's
// server; "SERVER" in an argument or setting stands for its address. The
// event loop keeps serving while the test waits.
struct WatchRun {
    WatchRun(QStringList args, QStringList settings,
             const QByteArray& page = testpage::realisticBytes())
    {
        server.route(kPath, HttpTestServer::Route{200, page});
        args.replaceInStrings(QStringLiteral("SERVER"), server.url(QString()));
        settings.replaceInStrings(QStringLiteral("SERVER"), server.url(QString()));
        QFile file(dir.filePath(QStringLiteral("Ondrel.ini")));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write test settings");
        file.write(("[ESConf]\n" + settings.join(u'\n') + u'\n').toUtf8());
        file.close();
        process.start(QStringLiteral(ONDREL_CLI), QStringList{"watch", "--dir", dir.path()} + args);
    }
    ~WatchRun() { process.kill(), process.waitForFinished(5000); }

    QByteArray firstLine()
    {
        waitFor([this] { return process.canReadLine() || process.state() == QProcess::NotRunning; },
                10000);
        return process.readLine();
    }
    // Sends `signal`; standard error once ended.
    QByteArray stop(int signal)
    {
        ::kill(static_cast<pid_t>(process.processId()), signal);
        waitFor([this] { return process.state() == QProcess::NotRunning; }, 10000);
        return process.readAllStandardError();
    }

    QTemporaryDir dir;
    HttpTestServer server;
    QProcess process;
};

struct WatchCase {
    const char* name;
    QStringList args;
    QStringList settings;
    int signal;
    int period; // as the start line tells
};
ONDREL_NAMED_CASE(WatchCase)

class CliWatchTest : public testing::TestWithParam<WatchCase> {};

TEST_P(CliWatchTest, FirstPageAtStartThenCleanStopOnSignal)
{
    WatchRun watch(GetParam().args, GetParam().settings);
    const QByteArray line = watch.firstLine();
    if (GetParam().args.contains(QStringLiteral("--json"))) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        EXPECT_EQ(object["outcome"].toString(), QStringLiteral("parsed"));
        EXPECT_EQ(object["cells"].toArray()[5].toObject()["caption"].toString(),
                  QStringLiteral("8.6"));
    } else {
        const QStringList fields = QString::fromUtf8(line).split(QStringLiteral("  "));
        ASSERT_EQ(fields.size(), 6) << line.toStdString();
        EXPECT_EQ(fields[0], QStringLiteral("2026/12/07 10:15 JST"));
        EXPECT_EQ(fields[1], QStringLiteral("es=caution"));
        EXPECT_EQ(fields[3], QStringLiteral("kokubunji 6.2 GREEN 1.9 GREEN 8.6 BLINK-YELLOW-P"));
        EXPECT_EQ(fields[5], QStringLiteral("ogimi 7.4 BLINK-YELLOW 2.1 GREEN 4.8 GREEN\n"));
    }
    const QByteArray err = watch.stop(GetParam().signal);
    EXPECT_EQ(watch.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(watch.process.exitCode(), 0) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral(" every %1 s\n").arg(GetParam().period).toUtf8()));
    EXPECT_TRUE(
        err.contains(GetParam().signal == SIGINT ? "stopped by SIGINT" : "stopped by SIGTERM"));
    EXPECT_TRUE(err.contains("after 1 refresh, 1 page; last page 2026/12/07 10:15 JST, es=caution"))
        << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CliWatchTest,
    testing::Values(
        WatchCase{"UrlDefaultPeriodTerm", {"SERVER/ISDJ/ionospheric-alert.html"}, {}, SIGTERM, 180},
        WatchCase{"StoredHostAndPeriodInt", {"--json"}, {"ESHost=SERVER", "TM2=240"}, SIGINT, 240},
        WatchCase{"StoredPeriodOutOfRange", {}, {"ESHost=SERVER", "TM2=30"}, SIGTERM, 180},
        WatchCase{"OptionOverStoredPeriod",
                  {"--period", "900"},
                  {"ESHost=SERVER", "TM2=240"},
                  SIGTERM,
                  900}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliWatch, FailedReloadTellsTheCauseAndTheRetry)
{
    quint16 port = 0;
    {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        port = closed.serverPort();
    }
    WatchRun watch({QStringLiteral("http://127.0.0.1:%1/").arg(port)}, {});
    QByteArray err;
    waitFor([&] { return (err += watch.process.readAllStandardError()).count('\n') >= 2; }, 10000);
    const QList<QByteArray> lines = err.split('\n');
    ASSERT_GE(lines.size(), 2) << err.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^ondrel-cli: watch: \\d\\d:\\d\\d:\\d\\d JST "
                                                  "network-error: connection refused; retrying "
                                                  "in 30 s$"))
                    .match(QString::fromUtf8(lines[1]))
                    .hasMatch())
        << err.toStdString();
}

// The headless monitor keeps the day's history, in the log the window
// keeps or another; --no-history keeps none.
TEST(CliWatch, KeepsTheHistory)
{
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("log.sqlite"));
    for (const QStringList& args : {QStringList{"SERVER" + kPath, "--db", db},
                                    QStringList{"SERVER" + kPath, "--no-history"}}) {
        WatchRun watch(args, {});
        watch.firstLine();
        watch.stop(SIGTERM);
    }
    const CliRun history = runCli({"history", "--db", db});
    EXPECT_EQ(history.out.count('\n'), 5) << history.out.toStdString(); // header, 4 stations
    EXPECT_FALSE(QFile::exists(qEnvironmentVariable("XDG_DATA_HOME") + "/ondrel/history.sqlite"));
}

// --listen: a port another program holds is told with the way out and
// watch goes on; on a free one each decode of the recorded run is one more
// JSON line beside the page's, and goes into the log.
TEST(CliWatch, ListenHearsDecodesBesideThePages)
{
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::LocalHost, 0));
    {
        const QString held = QStringLiteral("127.0.0.1:%1").arg(holder.localPort());
        WatchRun watch({"SERVER" + kPath, "--no-history", "--json", "--listen", held}, {});
        EXPECT_TRUE(watch.firstLine().contains("\"outcome\":\"parsed\""));
        EXPECT_EQ(watch.process.state(), QProcess::Running);
        const QByteArray err = watch.stop(SIGTERM);
        EXPECT_TRUE(err.contains(QStringLiteral("watch: UDP %1 は他のプログラムが使っています。"
                                                "マルチキャスト (224.0.0.1:%2 など)")
                                     .arg(held)
                                     .arg(holder.localPort())
                                     .toUtf8()))
            << err.toStdString();
    }
    const quint16 port = holder.localPort();
    holder.close();
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("log.sqlite"));
    WatchRun watch({"SERVER" + kPath, "--db", db, "--json", "--listen", QString::number(port)}, {});
    const QByteArray page = watch.firstLine();
    QUdpSocket sender;
    for (const QByteArray& datagram : wsjtxCapture(QStringLiteral("wsjtx-2.6.1")))
        sender.writeDatagram(datagram, QHostAddress::LocalHost, port);
    QStringList calls;
    waitFor(
        [&] {
            while (watch.process.canReadLine()) {
                const QJsonObject line = QJsonDocument::fromJson(watch.process.readLine()).object();
                if (line["kind"] == QStringLiteral("heard"))
                    calls << line["call"].toString();
            }
            return calls.size() >= 8;
        },
        10000);
    watch.stop(SIGTERM);
    calls.sort();
    EXPECT_EQ(calls.join(u' '), QStringLiteral("BV2AB BY4XYZ HL2ABC JA6ABC JA8ABC JE6XYZ JH7ABC "
                                               "JR6DEF"));
    EXPECT_EQ(runCli({"heard", "--db", db}).out.count('\n'), 8);
    EXPECT_TRUE(page.contains("\"outcome\":\"parsed\"")) << "the page line stays first";
}

// --exec runs on a rise with the notice in its environment; the same page
// after a restart runs nothing.
TEST(CliWatch, ExecRunsOnARiseOnce)
{
    QTemporaryDir dir;
    const QString told = dir.filePath(QStringLiteral("told"));
    const QString now = QDateTime::currentDateTimeUtc().toOffsetFromUtc(9 * 3600).toString(
        QStringLiteral("yyyy/MM/dd HH:mm"));
    const QByteArray page = testpage::realisticBytes().replace("2026/12/07 10:15", now.toUtf8());
    const QString command =
        QStringLiteral("printf '%s|%s|%s|%.20s' \"$ONDREL_LEVEL\" \"$ONDREL_TITLE\" "
                       "\"$ONDREL_TEXT\" \"$ONDREL_JSON\" >> %1; exit 4")
            .arg(told);
    QByteArray errors;
    for (int run = 0; run < 2; ++run) {
        WatchRun watch({"SERVER" + kPath, "--no-history", "--exec", command}, {}, page);
        watch.firstLine();
        waitFor([&] { return QFile::exists(told) && run == 0; }, 3000);
        errors += watch.stop(SIGTERM);
    }
    QFile file(told);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_EQ(text,
              QStringLiteral("caution|Es 注意|国分寺 Es 8.6 MHz\n%1 JST現在|{\"alert_time\":\"%2")
                  .arg(now, now.left(5)))
        << text.toStdString();
    EXPECT_EQ(errors.count("watch: exec (caution): printf"), 1) << errors.toStdString();
    EXPECT_TRUE(errors.contains("watch: exec (caution): exit status 4")) << errors.toStdString();
}

// ESNotifyCool spaces the runs of --exec as it spaces the window's notices:
// two rises minutes apart run it once, or twice without a cool-down.
TEST(CliWatch, ExecKeepsTheStoredCooldown)
{
    const QDateTime now = QDateTime::currentDateTimeUtc().toOffsetFromUtc(9 * 3600);
    for (const auto& [settings, runs] :
         {std::pair{QStringList{}, 1}, std::pair{QStringList{"ESNotifyCool=0"}, 2}}) {
        // What --exec was run for, kept apart from the other tests'.
        QTemporaryDir state;
        const QByteArray otherState = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
        QByteArray errors;
        for (const int minutesAgo : {3, 0}) {
            const QByteArray time =
                now.addSecs(-60 * minutesAgo).toString(QStringLiteral("yyyy/MM/dd HH:mm")).toUtf8();
            WatchRun watch({"SERVER" + kPath, "--no-history", "--exec", "true"}, settings,
                           testpage::realisticBytes().replace("2026/12/07 10:15", time));
            watch.firstLine();
            errors += watch.stop(SIGTERM);
        }
        qputenv("XDG_STATE_HOME", otherState);
        EXPECT_EQ(errors.count("watch: exec (caution): true"), runs) << errors.toStdString();
    }
}

// Whether process `pid` runs (a zombie has ended).
bool running(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z ");
}

// A command that does not end is ended with everything it started, and the
// schedule never waited for it.
TEST(NoticeCommand, CommandStillRunningIsEndedWithItsChildren)
{
    QTemporaryDir dir;
    const QString child = dir.filePath(QStringLiteral("child"));
    NoticeCommand command(QStringLiteral("sleep 30 & echo $! > %1; wait").arg(child),
                          std::chrono::milliseconds(300));
    QElapsedTimer clock;
    clock.start();
    command.run(EsNotice{QStringLiteral("Es 警報"), QStringLiteral("x"), true, 10}, "{}");
    EXPECT_LT(clock.elapsed(), 1000) << "run() waited for the command";
    EXPECT_EQ(command.running(), 1);
    EXPECT_TRUE(waitFor([&] { return command.running() == 0; }, 2000));
    QFile file(child);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const qint64 pid = file.readAll().trimmed().toLongLong();
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(waitFor([pid] { return !running(pid); }, 2000)) << "the command's child is left";
    if (running(pid))
        ::kill(static_cast<pid_t>(pid), SIGKILL);
}

// Which of a run of accepted pages watch prints ("+" printed, "-" not).
TEST(CliWatch, PrintsEachPageTimeOnceUnlessAll)
{
    const QStringList times{"10:15", "10:15", "10:30", "10:30", "10:15", ""};
    for (const auto& [all, expected] : {std::pair{false, "+-+-++"}, std::pair{true, "++++++"}}) {
        PageTimeFilter filter(all);
        QString printed;
        for (const QString& time : times)
            printed += filter.shouldPrint(time) ? u'+' : u'-';
        EXPECT_EQ(printed, QLatin1String(expected)) << "all=" << all;
        EXPECT_EQ(filter.lastPageTime(), QString());
    }
    EXPECT_TRUE(PageTimeFilter(false).shouldPrint(QString())) << "the first page, even undated";
}

TEST(CliWatch, BadOptionsAreUsageErrors)
{
    for (const QStringList& args :
         {QStringList{"watch", "--period", "59"}, QStringList{"watch", "--period", "soon"},
          QStringList{"watch", "--period"}, QStringList{"watch", "a", "b"},
          QStringList{"watch", "--every", "60"}, QStringList{"watch", "--dir", "/nonexistent"},
          QStringList{"watch", "--listen", "localhost:2237"}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

} // namespace
