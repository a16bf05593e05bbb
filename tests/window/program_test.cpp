// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/version.h"
#include "net/http_page_download.h"
#include "support/gui/form_fixture.h"
#include "support/http_test_server.h"
#include "support/named_case.h"
#include "support/test_page.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>

#include "support/wait_for.h"

#include <gtest/gtest.h>

#include <csignal>

namespace {

TEST(Program, WindowShowsTheServedPageOverRealHttp)
{
    HttpTestServer server;
    server.route(QStringLiteral("/ISDJ/ionospheric-alert.html"),
                 HttpTestServer::Route{200, testpage::realisticBytes()});
    FormFixture f;
    f.writeSettings({QStringLiteral("ESHost=") + server.url(QString())});
    HttpPageDownload http;
    RefreshLoop loop(http, f.boxes, f.clock, f.timer1);
    FormController controller(*f.window, loop, f.seams(f.browser));
    f.controller.reset();
    controller.Form_Load(QString());
    f.window->show();
    EXPECT_EQ(f.window->fmcls->text(), QStringLiteral("QRX 読み込み中"));
    ASSERT_TRUE(waitFor([&f] { return f.window->Label2[0]->text() == u"5.3"; }, 10000));
    EXPECT_EQ(f.window->Label2[11]->text(), QStringLiteral("4.8"));
    EXPECT_EQ(f.window->fmcls->text(), QStringLiteral("2026/12/07 10:15 JST現在"));
}

// The built program, copied into its own directory so its settings file
// lands there, started headless against a local server.
class RunningProgram {
public:
    RunningProgram(const QTemporaryDir& home, const QString& directory,
                   const QStringList& arguments = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path()); // the history log
        m_process.setProcessEnvironment(env);
        m_process.start(directory + QStringLiteral("/ondrel"), arguments);
        m_process.waitForStarted();
    }
    ~RunningProgram()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
};

// The arguments of the desktop entry's action `action`, without the program.
QStringList desktopActionArguments(const QString& action)
{
    QFile entry(QStringLiteral(ONDREL_SOURCE_DIR "/data/ondrel.desktop"));
    if (!entry.open(QIODevice::ReadOnly))
        return {QStringLiteral("no desktop entry")};
    const QString text = QString::fromUtf8(entry.readAll());
    const QString group = QStringLiteral("[Desktop Action %1]").arg(action);
    const qsizetype exec = text.indexOf(QStringLiteral("\nExec="), text.indexOf(group));
    if (text.indexOf(group) < 0 || exec < 0)
        return {QStringLiteral("no action ") + action};
    const QString line = text.mid(exec + 6, text.indexOf(u'\n', exec + 1) - exec - 6);
    return line.split(u' ').mid(1);
}

struct SecondCopyCase {
    const char* name;
    QStringList arguments;
    QByteArray err;
};
ONDREL_NAMED_CASE(SecondCopyCase)

class SecondCopyTest : public testing::TestWithParam<SecondCopyCase> {};

TEST_P(SecondCopyTest, EndsAtOnceAndTouchesNothing)
{
    HttpTestServer server;
    server.route(QStringLiteral("/ISDJ/ionospheric-alert.html"),
                 HttpTestServer::Route{200, testpage::realisticBytes()});
    QTemporaryDir home;
    QTemporaryDir install;
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(ONDREL_GUI), install.filePath(QStringLiteral("ondrel"))));
    const QString settings = install.filePath(QStringLiteral("Ondrel.ini"));
    {
        QFile file(settings);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[ESConf]\nESHost=" + server.url(QString()).toUtf8() + "\n");
    }

    RunningProgram first(home, install.path());
    ASSERT_TRUE(waitFor([&server] { return !server.requests.isEmpty(); }, 20000));
    EXPECT_TRUE(server.requests[0].startsWith("GET /ISDJ/ionospheric-alert.html"));
    EXPECT_TRUE(server.requests[0].contains("User-Agent: Ondrel/"));

    RunningProgram second(home, install.path(), GetParam().arguments);
    ASSERT_TRUE(
        waitFor([&second] { return second.process().state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(second.process().exitCode(), 0);
    EXPECT_TRUE(second.process().readAllStandardOutput().isEmpty());
    EXPECT_EQ(second.process().readAllStandardError(), GetParam().err);
    EXPECT_EQ(first.process().state(), QProcess::Running);
    EXPECT_EQ(server.requests.size(), 1);
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[ESConf]\nESHost=" + server.url(QString()).toUtf8() + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Starts, SecondCopyTest,
    testing::Values(
        SecondCopyCase{
            "Plain", {}, "ondrel: already running; its window was brought to the front\n"},
        SecondCopyCase{"SettingsAction", desktopActionArguments(QStringLiteral("settings")),
                       "ondrel: already running; its settings window was opened\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// The built program with its own settings file, shown after its first
// request to the local server; `ESTop=301` is stored as 300, the position
// the window takes (20 pixels), once the program stores it.
struct PlacedProgram {
    PlacedProgram()
    {
        server.route(QStringLiteral("/ISDJ/ionospheric-alert.html"),
                     HttpTestServer::Route{200, testpage::realisticBytes()});
        QFile::copy(QStringLiteral(ONDREL_GUI), install.filePath(QStringLiteral("ondrel")));
        QFile settings(install.filePath(QStringLiteral("Ondrel.ini")));
        if (settings.open(QIODevice::WriteOnly))
            settings.write("[ESConf]\nESHost=" + server.url(QString()).toUtf8() +
                           "\nESTop=301\nESLeft=451\n");
        QFile stale(install.filePath(QStringLiteral("GetHtml_OVRW.txt")));
        if (stale.open(QIODevice::WriteOnly))
            stale.write("x");
        program.emplace(home, install.path());
    }

    QByteArray settings() const
    {
        QFile file(install.filePath(QStringLiteral("Ondrel.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool stores(const QByteArray& line) const
    {
        return waitFor([this, line] { return settings().contains(line); }, 15000);
    }
    bool staleFileGone() const
    {
        return !QFile::exists(install.filePath(QStringLiteral("GetHtml_OVRW.txt")));
    }

    HttpTestServer server;
    QTemporaryDir home;
    QTemporaryDir install;
    std::optional<RunningProgram> program;
};

class StopSignalTest : public testing::TestWithParam<int> {};

// A logout or `systemctl --user stop` closes the window as its close
// button does: geometry stored, stale files deleted, status 0.
TEST_P(StopSignalTest, ClosesTheWindowAndEndsNormally)
{
    PlacedProgram p;
    ASSERT_TRUE(waitFor([&p] { return !p.server.requests.isEmpty(); }, 20000));
    QProcess& process = p.program->process();
    ::kill(static_cast<pid_t>(process.processId()), GetParam());
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(p.staleFileGone());
    EXPECT_TRUE(p.settings().contains("ESTop=300\nESLeft=450\n")) << p.settings().constData();
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignalTest, testing::Values(SIGTERM, SIGHUP, SIGINT),
                         [](const auto& info) {
                             return std::string(info.param == SIGTERM  ? "Term"
                                                : info.param == SIGHUP ? "Hangup"
                                                                       : "Interrupt");
                         });

// A few seconds after the window stopped moving its position is stored,
// so a crash keeps it.
TEST(Program, CompactPositionOutlivesACrash)
{
    PlacedProgram p;
    EXPECT_TRUE(p.stores("ESTop=300\nESLeft=450\n")) << p.settings().constData();
    QProcess& process = p.program->process();
    process.kill();
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_FALSE(p.staleFileGone()); // no close ran
    EXPECT_TRUE(p.settings().contains("ESTop=300\nESLeft=450\n"));
}

struct OptionCase {
    const char* name;
    QStringList arguments;
    bool display;
    int exitCode;
    QByteArray out; // what standard output starts with
    QByteArray err; // what standard error starts with
};
ONDREL_NAMED_CASE(OptionCase)

class ProgramOptionsTest : public testing::TestWithParam<OptionCase> {};

// None of these may reach the window: a run that does would not end.
TEST_P(ProgramOptionsTest, AnswersWithoutOpeningTheWindow)
{
    const OptionCase& c = GetParam();
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    env.insert(QStringLiteral("HOME"), home.path());
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (c.display)
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    else
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ONDREL_GUI), c.arguments);
    const bool ended = program.waitForFinished(10000);
    if (!ended)
        program.kill();
    ASSERT_TRUE(ended);
    EXPECT_EQ(program.exitCode(), c.exitCode);
    EXPECT_TRUE(program.readAllStandardOutput().startsWith(c.out));
    EXPECT_TRUE(program.readAllStandardError().startsWith(c.err));
}

const QByteArray kUsageStart = "Usage: ondrel [-T] [--settings]\n";

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ProgramOptionsTest,
    testing::Values(
        OptionCase{"Help", {"--help"}, true, 0, kUsageStart, ""},
        OptionCase{"HelpAfterKeepInFront", {"-T", "--help"}, true, 0, kUsageStart, ""},
        OptionCase{"Version", {"--version"}, true, 0, "ondrel " ONDREL_VERSION "\n", ""},
        OptionCase{"UnknownOption",
                   {"--top"},
                   true,
                   2,
                   "",
                   "ondrel: unknown option --top\n" + kUsageStart},
        OptionCase{"HelpWithoutDisplay", {"--help"}, false, 0, kUsageStart, ""},
        OptionCase{"ShortHelp", {"-h"}, false, 0, kUsageStart, ""},
        OptionCase{"ShortHelpAfterKeepInFront", {"-t", "-h"}, false, 0, kUsageStart, ""},
        // Only "-h" is help: other text goes on to start-up as before.
        OptionCase{"CapitalHIsNoHelp",
                   {"-H"},
                   false,
                   1,
                   "",
                   "ondrel: no display to show the window on (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set)\n"},
        OptionCase{"SettingsIsNoUsageError",
                   {"--settings"},
                   false,
                   1,
                   "",
                   "ondrel: no display to show the window on (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set)\n"},
        OptionCase{"NoDisplay",
                   {"-T"},
                   false,
                   1,
                   "",
                   "ondrel: no display to show the window on (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set)\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
