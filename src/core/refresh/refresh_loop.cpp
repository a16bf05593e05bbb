// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/refresh/refresh_loop.h"

#include "core/refresh/clock.h"
#include "core/refresh/message_boxes.h"
#include "core/refresh/timed_message_box.h"
#include "core/refresh/timer.h"

#include <QCoreApplication>

namespace {

constexpr int kRetryMilliseconds = 30000;
constexpr int kErrorBoxSeconds = 5;

} // namespace

RefreshLoop::RefreshLoop(PageDownload& download, MessageBoxes& boxes, Clock& clock,
                         Timer& retryTimer)
    : m_download(download), m_boxes(boxes), m_clock(clock), m_retryTimer(retryTimer)
{
}

void RefreshLoop::startCounting()
{
    m_countdown.start(m_clock.now());
}

void RefreshLoop::tick()
{
    const TickOutcome tick = m_countdown.tick(m_clock.now(), m_readout.StatusPhrase);
    m_readout.windowCaption = tick.caption;
    emit readoutChanged(m_readout);
    if (!tick.reloadDue)
        return;
    RefreshAlert();
    m_countdown.restart();
}

void RefreshLoop::RefreshAlert()
{
    startRefresh(m_readout, m_conv);
    disarmRetry();
    if (!m_download.busy())
        m_download.get(m_alertUrl,
                       [this](const PageDownload::Result& result) { downloaded(result); });
    emit refreshStarted();
}

void RefreshLoop::downloaded(const PageDownload::Result& result)
{
    // Before the error event, so the status line's explanation comes with
    // 応答なし-11.
    m_readout.fetchFailure = result.failure;
    if (result.communicationError)
        Inet1_StateChanged(PageDownload::icError);
    RefreshOutcome outcome = RefreshOutcome::NetworkError;
    if (!result.body) {
        m_readout.headerOpaque = true;
    } else {
        outcome = refreshAfterDownload(*result.body, m_readout, m_conv);
        if (isAccepted(outcome)) {
            m_readout.fetchFailure.reset();
            m_readout.pageArrivedUtc = m_clock.nowUtc();
            disarmRetry();
            m_retryWanted = false;
            m_download.keepAccepted();
        }
    }
    emit readoutChanged(m_readout);
    if (outcome == RefreshOutcome::Forbidden)
        m_boxes.show(QCoreApplication::translate("FetchCycle", "サイトが閉ざされています"),
                     QStringLiteral("Ondrel"), MessageBoxes::Icon::None);
    emit refreshed(outcome, m_readout);
}

void RefreshLoop::Inet1_StateChanged(int state)
{
    if (state != PageDownload::icError)
        return;
    m_readout.statusItem = QString::fromUtf8(QT_TRANSLATE_NOOP("Readout", "応答なし-11"));
    emit readoutChanged(m_readout);
    m_retryWanted = true;
    TimedMsgBox(m_boxes,
                QCoreApplication::translate(
                    "FetchCycle", "Hostとの通信エラーです\r\n30秒後に自動リトライします "),
                QStringLiteral("Ondrel"), kErrorBoxSeconds, [this] {
                    if (!m_retryWanted)
                        return;
                    m_retryTimer.setInterval(kRetryMilliseconds);
                    m_retryTimer.setEnabled(true);
                });
}

void RefreshLoop::cancel()
{
    m_download.Cancel();
    disarmRetry();
}

void RefreshLoop::disarmRetry()
{
    m_retryTimer.setInterval(0);
    m_retryTimer.setEnabled(false);
}
