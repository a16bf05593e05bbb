// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gui/form_fixture.h"
#include "support/http_test_server.h"
#include "support/named_case.h"
#include "window/engine_sandbox.h"
#include "window/lazy_web_view.h"

#include <QCheckBox>
#include <QDeadlineTimer>
#include <QPushButton>
#include <QTest>

#include "support/wait_for.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// The browser engine refuses its sandbox as root and has no GPU here; only
// this test harness turns those off, never the program. The engine reads
// them when the first view is made.
const bool kEngineEnvironment = [] {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    return true;
}();

// The engine's view, found by its class: this test does not link the engine.
QWidget* engineView(const QWidget& window)
{
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->inherits("QWebEngineView"))
            return child;
    }
    return nullptr;
}

TEST(LazyWebView, EngineStartsOnlyWithTheFirstPage)
{
    Form1 window;
    FakeMessageBoxes boxes;
    LazyWebView browser(window.WebBrowser1, boxes, {QStringLiteral(ONDREL_ENGINE_MODULE)});
    EXPECT_NO_THROW(browser.stop());
    EXPECT_NO_THROW(browser.reload());
    EXPECT_THROW(browser.back(), ProcedureFailure);
    EXPECT_THROW(browser.forward(), ProcedureFailure);
    EXPECT_THROW(browser.navigate(QString()), ProcedureFailure);
    EXPECT_THROW(browser.focus(), ProcedureFailure); // window not shown
    EXPECT_THROW(browser.setWidth(-60), ProcedureFailure);
    EXPECT_NO_THROW(browser.setHeight(2075));
    EXPECT_EQ(window.WebBrowser1->height(), 2075 / 15);
    EXPECT_FALSE(browser.started());
    EXPECT_EQ(engineView(window), nullptr);
}

TEST(LazyWebView, MissingEngineEndsTheNavigationQuietly)
{
    Form1 window;
    FakeMessageBoxes boxes;
    LazyWebView browser(window.WebBrowser1, boxes,
                        {QStringLiteral("/nonexistent/libondrel_webengine.so")});
    EXPECT_THROW(browser.navigate(QStringLiteral("http://127.0.0.1/")), ProcedureFailure);
    EXPECT_FALSE(browser.started());
}

// As root with the sandbox on, the engine would end the program: a heading
// says why in a box and the window goes on, compact.
TEST(LazyWebView, AsRootTheHeadingExplainsAndTheWindowGoesOn)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root";
    const QByteArray disabled = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    FormFixture f;
    LazyWebView browser{f.window->WebBrowser1, f.boxes, {QStringLiteral(ONDREL_ENGINE_MODULE)}};
    f.controller.reset();
    FormController controller{*f.window, f.loop, f.seams(browser)};
    controller.Form_Load(QString());
    f.window->show();
    QTest::mouseClick(f.window->Label3[0], Qt::LeftButton);
    EXPECT_THROW(browser.navigate(QStringLiteral("http://127.0.0.1/")), ProcedureFailure);
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", disabled);

    ASSERT_EQ(f.boxes.shown.size(), 2u);
    EXPECT_TRUE(f.boxes.shown[0].text.startsWith(QStringLiteral("管理者 (root) として")));
    EXPECT_FALSE(browser.started());
    EXPECT_EQ(controller.state().PaneOpen, 0);
    EXPECT_EQ(f.window->Width(), 2340);
    EXPECT_TRUE(f.window->isVisible());
    f.deliverPage();
    EXPECT_EQ(f.window->Label2[0]->text(), QStringLiteral("5.3"));
    QTest::mouseClick(f.window->Label6, Qt::LeftButton); // "Ref" still reloads
    EXPECT_EQ(f.download.urls.size(), 2u);
}

struct SandboxCase {
    const char* name;
    uid_t user;
    QStringList environment;
    bool endsTheProgram;
};
ONDREL_NAMED_CASE(SandboxCase)

class EngineSandboxTest : public testing::TestWithParam<SandboxCase> {};

TEST_P(EngineSandboxTest, OnlyRootWithTheSandboxOnIsRefused)
{
    QProcessEnvironment environment;
    for (const QString& entry : GetParam().environment)
        environment.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    EXPECT_EQ(engineWouldEndTheProgram(GetParam().user, environment), GetParam().endsTheProgram);
}

INSTANTIATE_TEST_SUITE_P(
    Users, EngineSandboxTest,
    testing::Values(SandboxCase{"NormalUser", 1000, {}, false},
                    SandboxCase{"Root", 0, {"QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu"}, true},
                    SandboxCase{"RootSandboxOff", 0, {"QTWEBENGINE_DISABLE_SANDBOX=1"}, false},
                    SandboxCase{"RootSandboxOffEmpty", 0, {"QTWEBENGINE_DISABLE_SANDBOX="}, false},
                    SandboxCase{"RootNoSandboxFlag",
                                0,
                                {"QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu --no-sandbox"},
                                false},
                    SandboxCase{
                        "RootOtherFlag", 0, {"QTWEBENGINE_CHROMIUM_FLAGS=--no-sandboxes"}, true}),
    [](const auto& info) { return std::string(info.param.name); });

// The shown window with the engine's browser in its pane and the station
// pages on a local server, each titled after its station code.
struct EngineWindow {
    EngineWindow()
    {
        for (const char* code : {"wk546", "to536", "yg431"}) {
            server.route(
                QStringLiteral("/ionog/ionogram/nowpng/%1.html").arg(QLatin1String(code)),
                HttpTestServer::Route{200, QByteArray("<html><head><title>") + code +
                                               "</title></head><body>ionogram</body></html>"});
        }
        f.writeSettings({QStringLiteral("ESHost=") + server.url(QString())});
        f.controller.reset(); // the real browser's controller replaces the fixture's
        controller.Form_Load(QString());
        f.window->show();
    }

    QWidget* view() const { return engineView(*f.window); }
    QString title() const { return view()->property("title").toString(); }
    bool shows(const char* title) const
    {
        return waitFor([this, title] { return this->title() == QLatin1String(title); }, 30000);
    }
    // The page's lifecycle: 0 active, 2 discarded.
    int pageState() const
    {
        for (QObject* child : view()->children()) {
            if (child->inherits("QWebEnginePage"))
                return child->property("lifecycleState").toInt();
        }
        return -1;
    }

    HttpTestServer server;
    FormFixture f;
    LazyWebView browser{f.window->WebBrowser1, f.boxes, {QStringLiteral(ONDREL_ENGINE_MODULE)}};
    FormController controller{*f.window, f.loop, f.seams(browser)};
};

TEST(LazyWebView, StationHeadingLoadsTheServedPageInThePane)
{
    EngineWindow w;
    FormFixture& f = w.f;
    LazyWebView& browser = w.browser;
    EXPECT_FALSE(browser.started());

    QTest::mouseClick(f.window->Label3[0], Qt::LeftButton);
    ASSERT_TRUE(browser.started());
    ASSERT_NE(w.view(), nullptr);
    EXPECT_TRUE(w.shows("wk546")) << w.title().toStdString();
    EXPECT_GE(w.server.requests.size(), 1);
    EXPECT_GT(w.view()->width(), 100);
    EXPECT_THROW(browser.back(), ProcedureFailure);
}

TEST(LazyWebView, ClosedPaneSleepsAndKeepsItsHistoryForTheNextOpening)
{
    EngineWindow w;
    Form1& window = *w.f.window;
    QTest::mouseClick(window.Label3[0], Qt::LeftButton);
    ASSERT_TRUE(w.shows("wk546"));
    QTest::mouseClick(window.Label3[1], Qt::LeftButton);
    ASSERT_TRUE(w.shows("to536"));

    QTest::mouseClick(window.Command1, Qt::LeftButton);
    EXPECT_TRUE(w.view()->isHidden());
    EXPECT_EQ(w.pageState(), 2);
    QTest::mouseClick(window.Label6, Qt::LeftButton); // "Ref" reloads the alert page only
    window.Check1->click();                           // focus goes to the view
    window.setOuterSize(12000, 9000);                 // the view follows the window
    EXPECT_EQ(w.pageState(), 2);
    EXPECT_TRUE(w.view()->isHidden());

    QTest::mouseClick(window.Label3[2], Qt::LeftButton);
    ASSERT_TRUE(w.shows("yg431"));
    EXPECT_FALSE(w.view()->isHidden());
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    EXPECT_TRUE(w.shows("to536")) << w.title().toStdString();
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    EXPECT_TRUE(w.shows("wk546")) << w.title().toStdString();
    QTest::mouseClick(window.Command3, Qt::LeftButton);
    EXPECT_TRUE(w.shows("to536")) << w.title().toStdString();
}

} // namespace
