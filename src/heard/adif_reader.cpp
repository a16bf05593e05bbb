// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/adif_reader.h"

#include "core/text/locator_text.h"
#include "heard/dial_band.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The names of the fields used, as AdifReader::UsedField orders them.
constexpr std::array<QByteArrayView, 11> kFieldNames = {
    "call", "gridsquare", "qso_date",      "time_on",   "band",    "freq",
    "mode", "submode",    "my_gridsquare", "prop_mode", "rst_rcvd"};

// "<NAME:LENGTH:TYPE>" longer than this is text that happens to hold a '<'.
constexpr qsizetype kMaxTagBytes = 128;
// More length digits than this cannot fit any file (a terabyte).
constexpr qsizetype kMaxLengthDigits = 12;
// Distinct values of a field whose texts records share.
constexpr qsizetype kMaxSharedTexts = 4096;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number `count` digits from `from` spell, when all of them are digits.
std::optional<int> digitsAt(QByteArrayView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (char c : text.sliced(from, count)) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// YYYYMMDD.
QDate dateOf(QByteArrayView text)
{
    if (text.size() != 8)
        return {};
    const auto year = digitsAt(text, 0, 4), month = digitsAt(text, 4, 2),
               day = digitsAt(text, 6, 2);
    return year && month && day ? QDate(*year, *month, *day) : QDate();
}

// HHMM or HHMMSS.
QTime timeOf(QByteArrayView text)
{
    if (text.size() != 4 && text.size() != 6)
        return {};
    const auto hour = digitsAt(text, 0, 2), minute = digitsAt(text, 2, 2);
    const auto second = text.size() == 6 ? digitsAt(text, 4, 2) : 0;
    return hour && minute && second ? QTime(*hour, *minute, *second) : QTime();
}

// A locator of 4 to 8 characters: its first 6 in the usual cases.
QString adifLocator(const QString& text)
{
    return canonicalLocator(text.left(6)).value_or(QString());
}

// WSJT-X and JTDX log the signal report as "-12" or "+05".
std::optional<int> snrOf(const QString& report)
{
    if (!report.startsWith(u'-') && !report.startsWith(u'+'))
        return std::nullopt;
    bool ok = false;
    const int snr = report.toInt(&ok);
    return ok ? std::optional<int>(snr) : std::nullopt;
}

std::optional<double> frequencyOf(const QByteArray& text)
{
    bool ok = false;
    const double mhz = text.toDouble(&ok);
    return ok && std::isfinite(mhz) && mhz > 0 ? std::optional<double>(mhz) : std::nullopt;
}

} // namespace

AdifReader::AdifReader(QIODevice& device, qsizetype chunkSize)
    : m_device(device), m_chunkSize(std::max<qsizetype>(chunkSize, 1))
{
    static_assert(kFieldNames.size() == FieldCount);
}

std::optional<AdifRecord> AdifReader::next()
{
    while (!m_ended) {
        const Tag tag = nextTag();
        switch (tag.kind) {
        case TagKind::EndOfFile:
            m_ended = true;
            // WSJT-X ends every record with <eor>; a log edited by hand may
            // lack the last one.
            if (m_hasFields)
                return finishRecord();
            break;
        case TagKind::EndOfHeader:
            // The fields so far were the header's. A file without a header
            // has no <eoh>, so a header needs no telling apart otherwise.
            clearRecord();
            break;
        case TagKind::EndOfRecord:
            if (m_hasFields)
                if (std::optional<AdifRecord> record = finishRecord())
                    return record;
            break;
        case TagKind::Field: {
            const int tagLine = m_line;
            if (!m_hasFields) {
                m_hasFields = true;
                m_recordLine = tagLine;
            }
            const bool whole = tag.field >= 0 ? fill(tag.length) : skipValue(tag.length);
            if (!whole) {
                m_ended = true;
                clearRecord();
                skipRecord(tagLine, QCoreApplication::translate(
                                        "Adif", "長さがファイルの終わりを越えています"));
                break;
            }
            if (tag.field >= 0) {
                QByteArray& value = m_values[tag.field];
                value.resize(0);
                value.append(QByteArrayView(m_buffer).sliced(m_pos, tag.length));
                advance(tag.length);
            }
            break;
        }
        }
    }
    return std::nullopt;
}

AdifReader::Tag AdifReader::nextTag()
{
    for (;;) {
        const qsizetype open = m_buffer.indexOf('<', m_pos);
        if (open < 0) {
            advance(m_buffer.size() - m_pos);
            if (!fill(1))
                return {};
            continue;
        }
        advance(open - m_pos);
        // The tag up to its '>', read on when a chunk ends inside it.
        qsizetype close = -1;
        for (;;) {
            const qsizetype unread = m_buffer.size() - m_pos;
            close =
                QByteArrayView(m_buffer).sliced(m_pos, std::min(unread, kMaxTagBytes)).indexOf('>');
            if (close >= 0 || unread >= kMaxTagBytes || !fill(unread + 1))
                break;
        }
        const std::optional<Tag> tag = close > 0 ? tagAt(m_pos + close) : std::nullopt;
        if (tag) {
            advance(close + 1);
            return *tag;
        }
        advance(1);
    }
}

// The tag from m_pos ('<') to `end` ('>'); nothing when it is no tag.
std::optional<AdifReader::Tag> AdifReader::tagAt(qsizetype end) const
{
    const QByteArrayView inside = QByteArrayView(m_buffer).sliced(m_pos + 1, end - m_pos - 1);
    const qsizetype colon = inside.indexOf(':');
    const QByteArrayView name = colon < 0 ? inside : inside.first(colon);
    if (name.isEmpty() ||
        std::any_of(name.begin(), name.end(), [](char c) { return c == '<' || c <= ' '; }))
        return std::nullopt;
    if (colon < 0) {
        if (name.compare("eor", Qt::CaseInsensitive) == 0)
            return Tag{TagKind::EndOfRecord};
        if (name.compare("eoh", Qt::CaseInsensitive) == 0)
            return Tag{TagKind::EndOfHeader};
        return std::nullopt;
    }
    // LENGTH, then an optional ":TYPE".
    QByteArrayView length = inside.sliced(colon + 1);
    if (const qsizetype type = length.indexOf(':'); type >= 0)
        length = length.first(type);
    if (length.isEmpty() || !std::all_of(length.begin(), length.end(), isDigit))
        return std::nullopt;
    Tag tag{TagKind::Field};
    tag.length = std::numeric_limits<qint64>::max();
    if (length.size() <= kMaxLengthDigits)
        tag.length = length.toLongLong();
    for (int f = 0; f < FieldCount && tag.field < 0; ++f)
        if (name.size() == kFieldNames[f].size() &&
            name.compare(kFieldNames[f], Qt::CaseInsensitive) == 0)
            tag.field = f;
    return tag;
}

// At least `bytes` unread bytes in the buffer, reading whole chunks; false
// when the device ends first.
bool AdifReader::fill(qint64 bytes)
{
    const qsizetype unread = m_buffer.size() - m_pos;
    if (unread >= bytes)
        return true;
    // A file tells how much it still holds: no reading up to a length that
    // cannot come.
    if (!m_device.isSequential() && bytes > unread + m_device.bytesAvailable())
        return false;
    m_buffer.remove(0, m_pos);
    m_pos = 0;
    while (m_buffer.size() < bytes) {
        const qsizetype had = m_buffer.size();
        m_buffer.resize(had + m_chunkSize);
        const qint64 got = m_device.read(m_buffer.data() + had, m_chunkSize);
        m_buffer.resize(had + std::max<qint64>(got, 0));
        if (got <= 0)
            return false;
    }
    return true;
}

// Passes over a value of a field not used without keeping it.
bool AdifReader::skipValue(qint64 bytes)
{
    // A file's size costs a system call: asked only beyond the buffer.
    const qsizetype unread = m_buffer.size() - m_pos;
    if (bytes > unread && !m_device.isSequential() && bytes > unread + m_device.bytesAvailable())
        return false;
    for (;;) {
        const qsizetype here = std::min<qint64>(bytes, m_buffer.size() - m_pos);
        advance(here);
        bytes -= here;
        if (bytes == 0)
            return true;
        if (!fill(1))
            return false;
    }
}

void AdifReader::advance(qsizetype bytes)
{
    const char* from = m_buffer.constData() + m_pos;
    m_line += static_cast<int>(std::count(from, from + bytes, '\n'));
    m_pos += bytes;
}

QString AdifReader::text(UsedField field) const
{
    return QString::fromUtf8(m_values[field]).trimmed();
}

std::optional<AdifRecord> AdifReader::finishRecord()
{
    const QString call = text(Call).toUpper();
    const QDate date = dateOf(m_values[Date].trimmed());
    const QTime time = timeOf(m_values[TimeOn].trimmed());
    const char* problem =
        call.isEmpty()    ? QT_TRANSLATE_NOOP("Adif", "CALL がありません")
        : !date.isValid() ? QT_TRANSLATE_NOOP("Adif", "QSO_DATE が日付ではありません")
        : !time.isValid() ? QT_TRANSLATE_NOOP("Adif", "TIME_ON が時刻ではありません")
                          : nullptr;
    if (problem) {
        skipRecord(m_recordLine, QCoreApplication::translate("Adif", problem));
        clearRecord();
        return std::nullopt;
    }
    AdifRecord record;
    record.call = call;
    record.time = QDateTime(date, time, Qt::UTC);
    record.grid = sharedText(Grid, adifLocator);
    record.myGrid = sharedText(MyGrid, adifLocator);
    record.freqMHz = frequencyOf(m_values[Freq]);
    record.band = sharedText(Band, [](const QString& t) { return t.toLower(); });
    std::optional<DialBand> band = bandNamed(record.band);
    if (record.band.isEmpty() && record.freqMHz) {
        band = frequencyBand(*record.freqMHz);
        if (band && band->judged)
            record.band = band->name;
    }
    record.bandMHz = band && band->judged ? std::optional<int>(band->mhz) : std::nullopt;
    const auto upper = [](const QString& t) { return t.toUpper(); };
    record.mode = sharedText(Mode, upper);
    record.submode = sharedText(Submode, upper);
    record.propMode = sharedText(PropMode, upper);
    record.rstReceived = sharedText(RstReceived, [](const QString& t) { return t; });
    record.snr = snrOf(record.rstReceived);
    clearRecord();
    ++m_recordsRead;
    return record;
}

void AdifReader::clearRecord()
{
    m_hasFields = false;
    for (QByteArray& value : m_values)
        value.resize(0);
}

void AdifReader::skipRecord(int line, const QString& reason)
{
    m_skipped.push_back({line, reason});
}

// The text `make` makes of a field's value, shared by every record with
// the same value: most values repeat, and a kept log stays small.
template <typename Make>
QString AdifReader::sharedText(UsedField field, Make make)
{
    QHash<QByteArray, QString>& known = m_sharedTexts[field];
    const auto found = known.constFind(m_values[field]);
    if (found != known.cend())
        return *found;
    QString text = make(QString::fromUtf8(m_values[field]).trimmed());
    if (known.size() < kMaxSharedTexts)
        known.insert(m_values[field], text);
    return text;
}

AdifText readAdifText(QByteArrayView text)
{
    QByteArray bytes = QByteArray::fromRawData(text.data(), text.size());
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    AdifReader reader(device);
    AdifText read;
    while (std::optional<AdifRecord> record = reader.next())
        read.records.push_back(std::move(*record));
    read.skipped = reader.skipped();
    return read;
}
