// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

class QWidget;

// The browser engine behind the pane, loaded only when the pane first
// shows a page: linking it would start its graphics stack with the program.
class BrowserEngine {
public:
    virtual ~BrowserEngine() = default;
    // The view, to be placed in the pane.
    virtual QWidget* widget() = 0;
    virtual void load(const QUrl& url) = 0;
    virtual void stop() = 0;
    virtual void reload() = 0;
    // Lets the page's renderer go, keeping the history; the next load,
    // reload or step through the history brings the page back.
    virtual void suspend() = 0;
    // One step through the history; false when there is none.
    virtual bool back() = 0;
    virtual bool forward() = 0;
};

// The entry point of the engine module.
using CreateBrowserEngine = BrowserEngine* (*)(QWidget* parent);
inline constexpr char kCreateBrowserEngine[] = "ondrel_create_browser_engine";
