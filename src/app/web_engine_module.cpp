// SPDX-License-Identifier: GPL-3.0-or-later
// The browser engine module: a QWebEngineView whose pages keep to their
// own view and start no downloads.

#include "app/browser_engine.h"

#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

class PanePage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
};

class WebEngine : public BrowserEngine {
public:
    explicit WebEngine(QWidget* parent) : m_view(new QWebEngineView(parent))
    {
        auto* page = new PanePage(m_view);
        QObject::connect(page->profile(), &QWebEngineProfile::downloadRequested, page,
                         [](QWebEngineDownloadRequest* download) { download->cancel(); });
        m_view->setPage(page);
    }

    QWidget* widget() override { return m_view; }

    // Loading and reloading bring a discarded page back by themselves; the
    // view is shown after them, as showing first would bring the page back
    // with a reload of its own.
    void load(const QUrl& url) override
    {
        m_view->load(url);
        m_view->show();
    }

    void stop() override { m_view->stop(); }

    void reload() override
    {
        m_view->reload();
        m_view->show();
    }

    // Only a hidden page may be discarded; discarding ends its renderer
    // process when no other page uses it, and the history is kept.
    void suspend() override
    {
        m_view->hide();
        m_view->page()->setLifecycleState(QWebEnginePage::LifecycleState::Discarded);
    }

    bool back() override
    {
        if (!m_view->history()->canGoBack())
            return false;
        // Stepping would not bring a discarded page back: showing it does.
        m_view->show();
        m_view->back();
        return true;
    }

    bool forward() override
    {
        if (!m_view->history()->canGoForward())
            return false;
        m_view->show();
        m_view->forward();
        return true;
    }

private:
    QWebEngineView* m_view;
};

} // namespace

extern "C" Q_DECL_EXPORT BrowserEngine* ondrel_create_browser_engine(QWidget* parent)
{
    return new WebEngine(parent);
}
