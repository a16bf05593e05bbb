// SPDX-License-Identifier: GPL-3.0-or-later
// One UDP datagram from a WSJT-X or JTDX client, any bytes.
#include "fuzz_check.h"
#include "heard/wsjtx_message.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const WsjtxDatagram datagram = decodeWsjtxDatagram(bytes);

    DatagramCounts counts;
    const bool message = counts.count(datagram);
    FUZZ_CHECK(message != std::holds_alternative<DatagramProblem>(datagram));
    // A message needs the header; anything read fits in the datagram.
    if (message)
        FUZZ_CHECK(size >= 16);
    if (const auto* decode = std::get_if<WsjtxDecode>(&datagram)) {
        FUZZ_CHECK(decode->msSinceMidnight < 86'400'000u);
        FUZZ_CHECK(decode->message.size() <= static_cast<qsizetype>(size));
    }
    return 0;
}
