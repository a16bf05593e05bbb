// SPDX-License-Identifier: GPL-3.0-or-later
// An ADIF log read whole and read a few bytes at a time (the first byte
// sets how many, and whether from a pipe): the same records and skips
// either way.
#include "fuzz_check.h"
#include "heard/adif_reader.h"
#include "support/byte_pipe.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {

bool sameRecord(const AdifRecord& a, const AdifRecord& b)
{
    return a.key() == b.key() && a.grid == b.grid && a.time == b.time && a.bandMHz == b.bandMHz &&
           a.freqMHz == b.freqMHz && a.mode == b.mode && a.submode == b.submode &&
           a.myGrid == b.myGrid && a.propMode == b.propMode && a.rstReceived == b.rstReceived &&
           a.snr == b.snr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const qsizetype chunk = (data[0] & 0x0f) + 1;
    QByteArray log = QByteArray::fromRawData(reinterpret_cast<const char*>(data) + 1,
                                             static_cast<qsizetype>(size - 1));
    const AdifText whole = readAdifText(log);

    QBuffer buffer(&log);
    FUZZ_CHECK(buffer.open(QIODevice::ReadOnly));
    BytePipe pipe(log);
    AdifReader reader(data[0] & 0x10 ? static_cast<QIODevice&>(pipe) : buffer, chunk);
    std::size_t count = 0;
    while (std::optional<AdifRecord> record = reader.next()) {
        FUZZ_CHECK(count < whole.records.size());
        FUZZ_CHECK(sameRecord(*record, whole.records[count]));
        FUZZ_CHECK(!record->call.isEmpty() && record->time.isValid());
        FUZZ_CHECK(record->time.timeSpec() == Qt::UTC);
        FUZZ_CHECK(record->grid.isEmpty() || record->grid.size() == 4 || record->grid.size() == 6);
        ++count;
    }
    FUZZ_CHECK(count == whole.records.size());
    FUZZ_CHECK(reader.recordsRead() == static_cast<int>(count));
    FUZZ_CHECK(reader.skipped().size() == whole.skipped.size());
    const int lines = static_cast<int>(log.count('\n')) + 1;
    for (std::size_t k = 0; k < whole.skipped.size(); ++k) {
        FUZZ_CHECK(reader.skipped()[k].line == whole.skipped[k].line);
        FUZZ_CHECK(whole.skipped[k].line >= 1 && whole.skipped[k].line <= lines);
    }
    return 0;
}
