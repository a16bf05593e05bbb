// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/http_test_server.h"
#include "support/form_fixture.h"
#include "window/pane_browser.h"

#include <QDeadlineTimer>
#include <QTest>

#include "support/wait_for.h"

#include <gtest/gtest.h>

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

TEST(PaneBrowser, EngineStartsOnlyWithTheFirstPage)
{
    Form1 window;
    PaneBrowser browser(window.WebBrowser1, {QStringLiteral(ONDREL_ENGINE_MODULE)});
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

TEST(PaneBrowser, MissingEngineEndsTheNavigationQuietly)
{
    Form1 window;
    PaneBrowser browser(window.WebBrowser1, {QStringLiteral("/nonexistent/libondrel_webengine.so")});
    EXPECT_THROW(browser.navigate(QStringLiteral("http://127.0.0.1/")), ProcedureFailure);
    EXPECT_FALSE(browser.started());
}

TEST(PaneBrowser, StationHeadingLoadsTheServedPageInThePane)
{
    HttpTestServer server;
    server.route(QStringLiteral("/ionog/ionogram/nowpng/wk546.html"),
                 HttpTestServer::Route{200, "<html><head><title>Wakkanai ionogram</title></head>"
                                            "<body><a href='/ionog/ionogram/nowpng/to536.html'>"
                                            "next</a></body></html>"});
    FormFixture f;
    f.writeSettings({QStringLiteral("ESHost=") + server.url(QString())});
    PaneBrowser browser(f.window->WebBrowser1, {QStringLiteral(ONDREL_ENGINE_MODULE)});
    FormController controller(*f.window, f.seams(f.download, browser));
    f.controller.reset(); // the real browser's controller replaces the fixture's
    controller.Form_Load(QString());
    f.window->show();
    EXPECT_FALSE(browser.started());

    QTest::mouseClick(f.window->Label3[0], Qt::LeftButton);
    ASSERT_TRUE(browser.started());
    QWidget* view = engineView(*f.window);
    ASSERT_NE(view, nullptr);
    auto title = [view] { return view->property("title").toString(); };
    EXPECT_TRUE(waitFor([&title] { return title() == QStringLiteral("Wakkanai ionogram"); }, 30000))
        << title().toStdString();
    EXPECT_GE(server.requests.size(), 1);
    EXPECT_GT(view->width(), 100);
    EXPECT_THROW(browser.back(), ProcedureFailure);
}

} // namespace
