// SPDX-License-Identifier: GPL-3.0-or-later
// A decode's text, any UTF-8: its sender and where the sender is, by the
// installed country file and by the input itself read as a country file.
#include "fuzz_check.h"
#include "heard/call_location.h"
#include "heard/decode_text.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const CallLocator installed;
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const std::optional<CountryFile> countries = CountryFile::parse(bytes);
    const QString message = QString::fromUtf8(bytes);

    const std::optional<DecodeSender> sender = senderOf(message);
    if (!sender)
        return 0;
    FUZZ_CHECK(isCall(sender->call));
    FUZZ_CHECK(sender->grid.isEmpty() || isGrid(sender->grid));
    FUZZ_CHECK(!sender->call.contains(u' ') && !sender->call.contains(u'<'));

    const GridMemory memory;
    for (const CallLocator& locator : {CallLocator(countries), installed}) {
        const std::optional<CallLocation> location =
            locator.locate(sender->call, sender->grid, memory);
        FUZZ_CHECK(!sender->grid.isEmpty() <= (location && location->by == LocatedBy::Grid));
        if (location) {
            FUZZ_CHECK(location->point.lat >= -90 && location->point.lat <= 90);
            FUZZ_CHECK(location->point.lon >= -180 && location->point.lon <= 180);
        }
    }
    return 0;
}
