#include "app/web_browser.h"

#include "support/text_helpers.h"
#include "view/twips.h"

#include <QUrl>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

// A page that keeps to its own view.
class PanePage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
};

} // namespace

WebBrowser::WebBrowser(QWidget* host) : m_host(host) {}

QWebEngineView& WebBrowser::view()
{
    if (!m_view) {
        if (!m_host)
            throw ProcedureFailure("the browser's window is gone");
        m_view = new QWebEngineView(m_host);
        auto* page = new PanePage(m_view);
        QObject::connect(page->profile(), &QWebEngineProfile::downloadRequested, page,
                         [](QWebEngineDownloadRequest* download) { download->cancel(); });
        m_view->setPage(page);
        m_view->setGeometry(m_host->rect());
        m_view->show();
    }
    return *m_view;
}

void WebBrowser::navigate(const QString& url)
{
    if (url.isEmpty())
        throw ProcedureFailure("no page to show");
    view().load(QUrl::fromUserInput(url));
}

void WebBrowser::stop()
{
    if (m_view)
        m_view->stop();
}

void WebBrowser::reload()
{
    if (m_view)
        m_view->reload();
}

void WebBrowser::back()
{
    if (!m_view || !m_view->history()->canGoBack())
        throw ProcedureFailure("no page to go back to");
    m_view->back();
}

void WebBrowser::forward()
{
    if (!m_view || !m_view->history()->canGoForward())
        throw ProcedureFailure("no page to go forward to");
    m_view->forward();
}

void WebBrowser::setWidth(int twips)
{
    if (twips < 0 || !m_host)
        throw ProcedureFailure("negative width");
    m_host->resize(twipsToPixels(twips), m_host->height());
    if (m_view)
        m_view->resize(m_host->size());
}

void WebBrowser::setHeight(int twips)
{
    if (twips < 0 || !m_host)
        throw ProcedureFailure("negative height");
    m_host->resize(m_host->width(), twipsToPixels(twips));
    if (m_view)
        m_view->resize(m_host->size());
}

void WebBrowser::focus()
{
    if (!m_host || !m_host->window()->isVisible())
        throw ProcedureFailure("the window is not shown");
    if (m_view)
        m_view->setFocus();
    else
        m_host->setFocus();
}
