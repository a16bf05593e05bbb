// SPDX-License-Identifier: GPL-3.0-or-later
// The browser engine module: a QWebEngineView whose pages keep to their
// own view and start no downloads.

#include "window/browser_engine.h"

#include <QFile>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <sys/mman.h>

#include <cstdio>

namespace {

// What the page's teardown still runs of the engine's code is over by then.
constexpr int kCodeReleaseDelayMs = 3000;

// A line of /proc/self/maps that maps Qt WebEngine or the Qt Quick and QML
// libraries that only it brings.
bool isEngineLibrary(const QByteArray& line)
{
    return line.contains("/libQt6WebEngine") || line.contains("/libQt6Quick") ||
           line.contains("/libQt6Qml");
}

// The engine's code that the shown page ran stays resident until memory
// runs short. Handing it back costs only a re-read when the pane opens
// again; the kernel keeps the pages that the engine's helper processes
// share.
void releaseEngineCode()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> lines = maps.readAll().split('\n');
    for (const QByteArray& line : lines) {
        unsigned long start = 0;
        unsigned long end = 0;
        if (isEngineLibrary(line) && std::sscanf(line.constData(), "%lx-%lx", &start, &end) == 2)
            madvise(reinterpret_cast<void*>(start), end - start, MADV_PAGEOUT);
    }
}

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
        QTimer::singleShot(kCodeReleaseDelayMs, m_view, [view = m_view] {
            if (view->isHidden())
                releaseEngineCode();
        });
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
