// SPDX-License-Identifier: GPL-3.0-or-later
// The browser engine module: a QWebEngineView whose pages keep to their
// own view and start no downloads.

#include "window/browser_engine.h"

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
    void load(const QUrl& url) override { m_view->load(url); }
    void stop() override { m_view->stop(); }
    void reload() override { m_view->reload(); }

    bool back() override
    {
        if (!m_view->history()->canGoBack())
            return false;
        m_view->back();
        return true;
    }

    bool forward() override
    {
        if (!m_view->history()->canGoForward())
            return false;
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
