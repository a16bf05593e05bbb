#pragma once

#include "app/browser_view.h"

#include <QPointer>

class QWebEngineView;
class QWidget;

// The browser pane's view: a QWebEngineView made inside `host` only when
// the pane first navigates, so the browser engine costs nothing before.
// Pages may not open new windows or start downloads.
class WebBrowser : public BrowserView {
public:
    explicit WebBrowser(QWidget* host);

    void navigate(const QString& url) override;
    void stop() override;
    void reload() override;
    void back() override;
    void forward() override;
    void setWidth(int twips) override;
    void setHeight(int twips) override;
    void focus() override;

    // Whether the browser engine has been started.
    bool started() const { return !m_view.isNull(); }

private:
    QWebEngineView& view();

    QPointer<QWidget> m_host;
    QPointer<QWebEngineView> m_view;
};
