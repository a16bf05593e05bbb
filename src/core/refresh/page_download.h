// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/refresh/fetch_failure.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// The fetch control: downloads one page at a time. The real one speaks
// HTTP; tests script their own.
class PageDownload {
public:
    // The fetch control's state when the communication with the server
    // failed.
    static constexpr int icError = 11;

    // What one download brought: the body as the server sent it, also for
    // an error status, or none, and why it is no page where that is known
    // (an error status, a failed transfer). A body abandoned (too large) is
    // no communication error.
    struct Result {
        std::optional<QByteArray> body;
        bool communicationError = false;
        std::optional<FetchFailure> failure = {};
    };
    using Finished = std::function<void(Result)>;

    virtual ~PageDownload() = default;

    // Starts downloading `url` and returns at once; `finished` runs once.
    virtual void get(const QString& url, Finished finished) = 0;

    // Whether a download is running.
    virtual bool busy() const = 0;

    // Ends a running download; its callbacks do not run.
    virtual void Cancel() = 0;

    // The body last delivered was accepted as the alert page: a later
    // download may ask the server whether it changed since.
    virtual void keepAccepted() = 0;
};
