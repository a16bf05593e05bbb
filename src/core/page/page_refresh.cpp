// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/page_refresh.h"

#include "core/page/alert_parser.h"
#include "core/text/code_conv.h"
#include "core/text/text_helpers.h"

namespace {

const QString kForbiddenTitle = QStringLiteral("<TITLE>403 FORBIDDEN</TITLE>");
const QString kAlertTitle = QStringLiteral("<TITLE>NICT IONOSPHERIC ALERT</TITLE>");

QString upperCasePageText(const QByteArray& body, CodeConv& conv)
{
    const QByteArray sjis = conv.U16toSJIS(conv.U8toU16(body));
    return UpperCase(conv.sjisToText(sjis));
}

} // namespace

const char* outcomeName(RefreshOutcome outcome)
{
    switch (outcome) {
    case RefreshOutcome::Parsed:
        return "parsed";
    case RefreshOutcome::Stopped:
        return "stopped";
    case RefreshOutcome::NotAlertPage:
        return "not-alert-page";
    case RefreshOutcome::Forbidden:
        return "forbidden";
    case RefreshOutcome::Failed:
        return "failed";
    case RefreshOutcome::NetworkError:
        return "network-error";
    }
    return "failed";
}

bool isAccepted(RefreshOutcome outcome)
{
    return outcome == RefreshOutcome::Parsed || outcome == RefreshOutcome::Stopped;
}

void startRefresh(ReadoutState& state, CodeConv& conv)
{
    state.SummaryLevel.fill(0);
    conv.ConvError.clear();
}

RefreshOutcome refreshFromStart(const QByteArray& body, ReadoutState& state, CodeConv& conv)
{
    startRefresh(state, conv);
    return refreshAfterDownload(body, state, conv);
}

RefreshOutcome refreshAfterDownload(const QByteArray& body, ReadoutState& state, CodeConv& conv)
{
    bool accepted = false;
    try {
        const QString text = upperCasePageText(body, conv);
        if (!conv.ConvError.isEmpty()) {
            state.headerOpaque = true;
            conv.ConvError.clear();
        }
        if (text.contains(kForbiddenTitle))
            return RefreshOutcome::Forbidden;
        if (!text.contains(kAlertTitle)) {
            state.headerOpaque = true;
            return RefreshOutcome::NotAlertPage;
        }
        accepted = true;
        state.headerOpaque = false;
        parseAlertPage(text, state);
        return RefreshOutcome::Parsed;
    } catch (const ProcedureFailure&) {
        state.headerOpaque = true;
        return accepted ? RefreshOutcome::Stopped : RefreshOutcome::Failed;
    }
}
