// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/page_refresh.h"
#include "core/page/readout_state.h"
#include "core/refresh/page_download.h"
#include "core/refresh/schedule.h"
#include "core/text/code_conv.h"

#include <QObject>
#include <QString>

class Clock;
class MessageBoxes;
class Timer;

// The refresh loop of the window and of ondrel-cli watch: the countdown
// to the next scheduled reload, `RefreshAlert` with the fetch control's
// error handler, and the one-shot retry after a communication error. It
// owns the readout the refreshes write.
class RefreshLoop : public QObject {
    Q_OBJECT
public:
    // `retryTimer` is the retry (the window's Timer1); whoever made it has
    // its ticks call retry().
    RefreshLoop(PageDownload& download, MessageBoxes& boxes, Clock& clock, Timer& retryTimer);

    ReadoutState& readout() { return m_readout; }
    const ReadoutState& readout() const { return m_readout; }
    CodeConv& conv() { return m_conv; }
    ReloadCountdown& countdown() { return m_countdown; }
    const ReloadCountdown& countdown() const { return m_countdown; }

    // The alert page's address, `PageUrl(0)`.
    void setAlertUrl(const QString& url) { m_alertUrl = url; }
    const QString& alertUrl() const { return m_alertUrl; }

    // Counts from the last quarter hour, as at start-up.
    void startCounting();
    // One tick of the one-second timer: the caption with the time left
    // goes into the readout, and the scheduled reload starts when due.
    void tick();
    // The retry timer's tick.
    void retry() { RefreshAlert(); }

    // Resets the summary, disarms the retry and starts the download; the
    // rest runs when the page has arrived. While a download is already
    // running no second one starts: that one brings the page.
    void RefreshAlert();
    // The fetch control's state event.
    void Inet1_StateChanged(int state);

    // Shut-down: the running download ends unheard and the retry is
    // disarmed.
    void cancel();

signals:
    // The readout changed in a way to show at once: the caption at each
    // tick, the error status, a page's readout before its refusal box.
    void readoutChanged(const ReadoutState& readout);
    // A refresh began (scheduled, retried or asked for): a browser
    // showing the provider's pages follows it.
    void refreshStarted();
    // Each refresh that got as far as a download, once, with how it
    // ended and the readout it left.
    void refreshed(RefreshOutcome outcome, const ReadoutState& readout);

private:
    void downloaded(const PageDownload::Result& result);
    void disarmRetry();

    PageDownload& m_download;
    MessageBoxes& m_boxes;
    Clock& m_clock;
    Timer& m_retryTimer;
    ReadoutState m_readout;
    CodeConv m_conv;
    ReloadCountdown m_countdown;
    QString m_alertUrl;
    // Set by the error event, cleared when a page is accepted: a retry is
    // armed when the error box closes only if no page came meanwhile.
    bool m_retryWanted = false;
};
