// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/refresh/fetch_cycle.h"

#include "core/page/readout_state.h"
#include "core/refresh/message_boxes.h"
#include "core/refresh/timed_message_box.h"
#include "core/refresh/timer.h"
#include "core/text/code_conv.h"

#include <QCoreApplication>

namespace {

constexpr int kRetryMilliseconds = 30000;
constexpr int kErrorBoxSeconds = 5;

} // namespace

FetchCycle::FetchCycle(ReadoutState& state, CodeConv& conv, PageDownload& download,
                       MessageBoxes& boxes, Timer& retryTimer, Host& host)
    : m_state(state), m_conv(conv), m_download(download), m_boxes(boxes), m_retryTimer(retryTimer),
      m_host(host)
{
}

void FetchCycle::RefreshAlert()
{
    startRefresh(m_state, m_conv);
    disarmRetry();
    if (m_download.busy())
        return;
    m_download.get(
        alertUrl, [this](int state) { Inet1_StateChanged(state); },
        [this](const std::optional<QByteArray>& body) { onBody(body); });
}

void FetchCycle::onBody(const std::optional<QByteArray>& body)
{
    RefreshOutcome outcome = RefreshOutcome::NetworkError;
    if (!body) {
        m_state.headerOpaque = true;
    } else {
        outcome = refreshOnBody(*body, m_state, m_conv);
        if (outcome == RefreshOutcome::Parsed || outcome == RefreshOutcome::Stopped) {
            disarmRetry();
            m_retryWanted = false;
            m_download.keepAccepted();
        }
    }
    m_host.readoutChanged();

    if (outcome == RefreshOutcome::Forbidden) {
        m_boxes.show(QCoreApplication::translate("FetchCycle", "サイトが閉ざされています"),
                     QStringLiteral("Ondrel"), MessageBoxes::Icon::None);
        if (finished)
            finished(outcome);
        m_host.closeWindow();
        return;
    }
    if (outcome == RefreshOutcome::NotAlertPage)
        m_host.reloadPaneIfOpen();
    if (finished)
        finished(outcome);
}

void FetchCycle::Inet1_StateChanged(int state)
{
    if (state != PageDownload::icError)
        return;
    m_state.statusItem = QString::fromUtf8(QT_TRANSLATE_NOOP("Readout", "応答なし-11"));
    m_host.readoutChanged();
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

void FetchCycle::disarmRetry()
{
    m_retryTimer.setInterval(0);
    m_retryTimer.setEnabled(false);
}
