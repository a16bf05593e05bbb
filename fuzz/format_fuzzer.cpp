// SPDX-License-Identifier: GPL-3.0-or-later
// The station detail text of arbitrary sections: the fast loop must give
// what the loop as defined gives, and a small scan budget must not crash.
#include "core/page/readout_formatting.h"
#include "fuzz_check.h"
#include "support/literal_format.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

// The literal loop is quadratic: only small sections are compared.
constexpr qsizetype kLiteralLimit = 256;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses a small budget so the linear finish runs too.
    const qsizetype budget = qsizetype(data[0]) * 16;
    const QString section = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                              static_cast<qsizetype>(size - 1));

    const QString detail = FormatStationDetail(section);
    if (section.size() <= kLiteralLimit) {
        const QString expected = literalFormat(section);
        if (detail != expected)
            std::fprintf(stderr, "got      [%s]\nexpected [%s]\n", qPrintable(detail),
                         qPrintable(expected));
        FUZZ_CHECK(detail == expected);
    }
    const QString degraded = formatStationDetailWithin(section, budget);
    FUZZ_CHECK(degraded.size() <= 2 * section.size());
    return 0;
}
