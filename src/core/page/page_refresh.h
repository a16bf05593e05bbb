// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"

#include <QByteArray>

class CodeConv;

// How one refresh on a body in hand ended; the caller acts on it.
enum class RefreshOutcome {
    Parsed,       // alert page accepted and read through to the summary
    Stopped,      // alert page accepted, its layout broke the parse
    NotAlertPage, // some other page: the header shows the trouble sign
    Forbidden,    // the server refuses access: the window shows why and closes
    Failed,       // the body could not be turned into a page
    NetworkError, // the download failed: no body at all
};

// Name of an outcome as the command-line tool prints it.
const char* outcomeName(RefreshOutcome outcome);

// The server sent the alert page and it was taken: the retry is called off
// and the readout holds what the page gave (all of it when Parsed, up to
// the break when Stopped).
bool isAccepted(RefreshOutcome outcome);

// What every refresh does before its page is fetched: the summary levels
// and the last conversion error are cleared.
void startRefresh(ReadoutState& state, CodeConv& conv);

// The rest of a refresh once its body has arrived (its start ran before
// the download): conversion, the refusal and title checks, and the parse.
// Never throws; a failure marks the header and keeps what was already
// written.
RefreshOutcome refreshAfterDownload(const QByteArray& body, ReadoutState& state, CodeConv& conv);

// A whole refresh, its start included, on a body that needs no download.
RefreshOutcome refreshFromStart(const QByteArray& body, ReadoutState& state, CodeConv& conv);
