// SPDX-License-Identifier: GPL-3.0-or-later
// One refresh on arbitrary page bytes, from the state of a fresh program.
#include "core/page/page_refresh.h"
#include "core/page/readout_state.h"
#include "core/text/code_conv.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray body =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ReadoutState state;
    CodeConv conv;
    const RefreshOutcome outcome = refreshFromStart(body, state, conv);

    FUZZ_CHECK(outcome != RefreshOutcome::NetworkError);
    // Whatever kept the page from being read shows the trouble sign.
    if (outcome == RefreshOutcome::Stopped || outcome == RefreshOutcome::NotAlertPage ||
        outcome == RefreshOutcome::Failed)
        FUZZ_CHECK(state.headerOpaque);
    // A conversion error is only left behind when the body could not be used at all.
    if (outcome != RefreshOutcome::Failed)
        FUZZ_CHECK(conv.ConvError.isEmpty());
    return 0;
}
