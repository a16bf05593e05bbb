// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The embedded browser as the handlers use it. A failing operation throws
// ProcedureFailure, ending the calling handler.
class BrowserView {
public:
    virtual ~BrowserView() = default;
    // Fails, after telling the user why, when the view cannot show pages
    // in this process; asked before the pane opens.
    virtual void ensureUsable() = 0;
    // Starts loading and returns at once; an empty URL fails.
    virtual void navigate(const QString& url) = 0;
    virtual void stop() = 0;
    virtual void reload() = 0;
    // Frees what the page costs while nobody sees it; its history stays,
    // and the next navigate, reload, back or forward brings it back.
    virtual void suspend() = 0;
    // One step through the view's history; fails when there is none.
    virtual void back() = 0;
    virtual void forward() = 0;
    // Sizes in twips; a negative size fails and the old one stays.
    virtual void setWidth(int twips) = 0;
    virtual void setHeight(int twips) = 0;
    // Fails while the window is not shown.
    virtual void focus() = 0;
};
