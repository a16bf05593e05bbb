// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/system/procedure_failure.h"
#include "window/browser_view.h"

#include <QString>

#include <algorithm>
#include <vector>

// Records what the handlers asked of the browser; each operation can be
// made to fail.
class FakeBrowser : public BrowserView {
public:
    std::vector<QString> calls;
    bool failBack = true;
    bool failForward = true;
    bool failFocus = false;
    bool failUsable = false;

    void ensureUsable() override
    {
        if (failUsable)
            throw ProcedureFailure("unusable");
    }
    void navigate(const QString& url) override
    {
        if (url.isEmpty())
            throw ProcedureFailure("no page");
        calls.push_back(QStringLiteral("navigate ") + url);
    }
    void stop() override { calls.push_back(QStringLiteral("stop")); }
    void reload() override { calls.push_back(QStringLiteral("reload")); }
    void suspend() override { calls.push_back(QStringLiteral("suspend")); }
    void back() override { step(QStringLiteral("back"), failBack); }
    void forward() override { step(QStringLiteral("forward"), failForward); }
    void setWidth(int twips) override { size(QStringLiteral("width"), twips); }
    void setHeight(int twips) override { size(QStringLiteral("height"), twips); }
    void focus() override { step(QStringLiteral("focus"), failFocus); }

    int count(const QString& call) const
    {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }

private:
    void step(const QString& name, bool fail)
    {
        if (fail)
            throw ProcedureFailure("no such step");
        calls.push_back(name);
    }
    void size(const QString& name, int twips)
    {
        if (twips < 0)
            throw ProcedureFailure("negative size");
        calls.push_back(name + u' ' + QString::number(twips));
    }
};
