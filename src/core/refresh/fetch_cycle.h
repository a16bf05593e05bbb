// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/page_refresh.h"
#include "core/refresh/page_download.h"

#include <QString>

#include <functional>

class CodeConv;
class MessageBoxes;
class Timer;
struct ReadoutState;

// `RefreshAlert` and the fetch control's state handler: brings a new page
// into the readout state and answers failures with the trouble sign, the
// communication-error box and a retry.
class FetchCycle {
public:
    // What the fetch cycle needs of the window; a tool without one keeps
    // the defaults, which do nothing.
    class Host {
    public:
        virtual ~Host() = default;
        // The readout state changed: show it.
        virtual void readoutChanged() {}
        // A page that is not the alert page came: reload the pane if open.
        virtual void reloadPaneIfOpen() {}
        // The server refused access: close the window, ending the program.
        virtual void closeWindow() {}
    };

    FetchCycle(ReadoutState& state, CodeConv& conv, PageDownload& download, MessageBoxes& boxes,
               Timer& retryTimer, Host& host);

    // The alert page's address, `PageUrl(0)`.
    QString alertUrl;

    // Runs after every refresh that got as far as a download, with how it
    // ended (tools and tests wait for it).
    std::function<void(RefreshOutcome)> finished;

    // Resets the summary, disarms the retry and starts the download; the
    // rest runs when the page has arrived. While a download is already
    // running no second one starts: that one brings the page.
    void RefreshAlert();

    // The fetch control's state event.
    void Inet1_StateChanged(int state);

private:
    void onBody(const std::optional<QByteArray>& body);
    void disarmRetry();

    ReadoutState& m_state;
    CodeConv& m_conv;
    PageDownload& m_download;
    MessageBoxes& m_boxes;
    Timer& m_retryTimer;
    Host& m_host;
    // Set by the error event, cleared when a page is accepted: a retry is
    // armed when the error box closes only if no page came meanwhile.
    bool m_retryWanted = false;
};
