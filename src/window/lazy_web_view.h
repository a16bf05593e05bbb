// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/browser_view.h"

#include <QPointer>
#include <QStringList>

#include <memory>

class BrowserEngine;
class MessageBoxes;
class QWidget;

// The browser pane's view inside `host`. The browser engine is loaded and
// started only when the pane first navigates, so it costs nothing before.
class LazyWebView : public BrowserView {
public:
    // `modulePaths`: where to look for the engine module, in order;
    // `boxes` say why the engine cannot start.
    LazyWebView(QWidget* host, MessageBoxes& boxes, QStringList modulePaths = defaultModulePaths());
    ~LazyWebView() override;

    static QStringList defaultModulePaths();

    void ensureUsable() override;
    void navigate(const QString& url) override;
    void stop() override;
    void reload() override;
    void suspend() override;
    void back() override;
    void forward() override;
    void setWidth(int twips) override;
    void setHeight(int twips) override;
    void focus() override;

    // Whether the browser engine has been started.
    bool started() const { return m_engine != nullptr; }

private:
    BrowserEngine& engine();
    void refuseAsRoot();

    QPointer<QWidget> m_host;
    MessageBoxes& m_boxes;
    QStringList m_modulePaths;
    std::unique_ptr<BrowserEngine> m_engine;
};
