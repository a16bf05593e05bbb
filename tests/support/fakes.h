// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/refresh/clock.h"
#include "core/refresh/message_boxes.h"
#include "core/refresh/page_download.h"
#include "core/refresh/timer.h"

#include <QString>
#include <QTimeZone>
#include <algorithm>
#include <utility>

#include <functional>
#include <vector>

// Records the boxes that would have been shown; self-closing boxes stay
// "open" until the test closes them.
class FakeMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        QString text;
        QString title;
        Icon icon = Icon::None;
        int milliseconds = -1; // -1 for a box that waits for the user
    };

    std::vector<Shown> shown;
    std::vector<std::function<void()>> openTimed;

    void show(const QString& text, const QString& title, Icon icon) override
    {
        shown.push_back({text, title, icon, -1});
    }

    void showTimed(const QString& text, const QString& title, int milliseconds,
                   std::function<void()> closed) override
    {
        shown.push_back({text, title, Icon::Information, milliseconds});
        openTimed.push_back(std::move(closed));
    }

    // Closes every self-closing box still open, as its time-out would.
    void closeTimed()
    {
        auto open = std::move(openTimed);
        openTimed.clear();
        for (auto& closed : open)
            closed();
    }
};

// A timer the test fires by hand.
class FakeTimer : public Timer {
public:
    void setInterval(int milliseconds) override { m_interval = milliseconds; }
    void setEnabled(bool enabled) override { m_enabled = enabled; }
    int interval() const override { return m_interval; }
    bool isEnabled() const override { return m_enabled; }
    bool armed() const { return m_enabled && m_interval > 0; }

private:
    int m_interval = 0;
    bool m_enabled = false;
};

// A fetch control the test answers by hand.
class FakeDownload : public PageDownload {
public:
    std::vector<QString> urls;
    int cancels = 0;

    void get(const QString& url, Finished finished) override
    {
        urls.push_back(url);
        m_finished = std::move(finished);
    }
    bool busy() const override { return static_cast<bool>(m_finished); }
    void Cancel() override
    {
        ++cancels;
        m_finished = {};
    }
    void keepAccepted() override {}

    void deliver(const QByteArray& body) { std::exchange(m_finished, {})({body}); }
    // The communication with the server failed.
    void fail() { std::exchange(m_finished, {})({std::nullopt, true}); }

private:
    Finished m_finished;
};

// A wall clock set by the test: `time` is Japanese time on the realistic
// page's day (2026/12/07), so that page is fresh at the default time.
class FakeClock : public Clock {
public:
    QTime time{10, 0, 0};
    QTime now() const override { return time; }
    QDateTime nowUtc() const override
    {
        return QDateTime(QDate(2026, 12, 7), time, QTimeZone(9 * 3600)).toUTC();
    }
};
