// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/lazy_web_view.h"

#include "core/refresh/message_boxes.h"
#include "core/system/procedure_failure.h"
#include "window/browser_engine.h"
#include "window/engine_sandbox.h"
#include "window/twips.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QVBoxLayout>
#include <QWidget>

#include <unistd.h>

namespace {

const char* const kRootRefused = QT_TRANSLATE_NOOP(
    "LazyWebView", "管理者 (root) として実行しているため、イオノグラムの表示欄を開けません。\n\n"
                   "Ondrel は通常のユーザーで起動してください: root のシェルを終えて (exit)、"
                   "自分のユーザーで scripts/run か ondrel を実行します。root が要るのは "
                   "scripts/setup でのインストールだけです。");

} // namespace

LazyWebView::LazyWebView(QWidget* host, MessageBoxes& boxes, QStringList modulePaths)
    : m_host(host), m_boxes(boxes), m_modulePaths(std::move(modulePaths))
{
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
}

LazyWebView::~LazyWebView()
{
    // The view belongs to the host widget; only the wrapper is ours.
    if (m_engine && m_host)
        delete m_engine->widget();
}

QStringList LazyWebView::defaultModulePaths()
{
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/libondrel_webengine.so"),
            QStringLiteral(ONDREL_MODULE_DIR "/libondrel_webengine.so")};
}

void LazyWebView::ensureUsable()
{
    if (!m_engine)
        refuseAsRoot();
}

void LazyWebView::refuseAsRoot()
{
    if (!engineWouldEndTheProgram(::geteuid(), QProcessEnvironment::systemEnvironment()))
        return;
    m_boxes.show(QCoreApplication::translate("LazyWebView", kRootRefused), QStringLiteral("Ondrel"),
                 MessageBoxes::Icon::Information);
    throw ProcedureFailure("the browser engine refuses to run as root");
}

BrowserEngine& LazyWebView::engine()
{
    if (m_engine)
        return *m_engine;
    if (!m_host)
        throw ProcedureFailure("the browser's window is gone");
    refuseAsRoot();
    QStringList reasons;
    for (const QString& path : m_modulePaths) {
        QLibrary module(path);
        auto create = reinterpret_cast<CreateBrowserEngine>(module.resolve(kCreateBrowserEngine));
        if (!create) {
            reasons << module.errorString();
            continue;
        }
        m_engine.reset(create(m_host));
        m_host->layout()->addWidget(m_engine->widget());
        return *m_engine;
    }
    qWarning("ondrel: the browser pane cannot start its engine: %s",
             qPrintable(reasons.join(QStringLiteral("; "))));
    throw ProcedureFailure("no browser engine");
}

void LazyWebView::navigate(const QString& url)
{
    if (url.isEmpty())
        throw ProcedureFailure("no page to show");
    engine().load(QUrl::fromUserInput(url));
}

void LazyWebView::stop()
{
    if (m_engine)
        m_engine->stop();
}

void LazyWebView::reload()
{
    if (m_engine)
        m_engine->reload();
}

void LazyWebView::suspend()
{
    if (m_engine)
        m_engine->suspend();
}

void LazyWebView::back()
{
    if (!m_engine || !m_engine->back())
        throw ProcedureFailure("no page to go back to");
}

void LazyWebView::forward()
{
    if (!m_engine || !m_engine->forward())
        throw ProcedureFailure("no page to go forward to");
}

void LazyWebView::setWidth(int twips)
{
    if (twips < 0 || !m_host)
        throw ProcedureFailure("negative width");
    m_host->resize(twipsToPixels(twips), m_host->height());
}

void LazyWebView::setHeight(int twips)
{
    if (twips < 0 || !m_host)
        throw ProcedureFailure("negative height");
    m_host->resize(m_host->width(), twipsToPixels(twips));
}

void LazyWebView::focus()
{
    if (!m_host || !m_host->window()->isVisible())
        throw ProcedureFailure("the window is not shown");
    QWidget* target = m_engine ? m_engine->widget() : m_host.data();
    target->setFocus();
}
