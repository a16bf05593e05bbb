// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/code_conv.h"

#include "core/system/procedure_failure.h"

#include <QtEndian>

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <limits>
#include <vector>

namespace {

constexpr UChar32 kReplacementCharacter = 0xFFFD;
constexpr qsizetype kMaxBytes = std::numeric_limits<int32_t>::max();

UConverter* openCp932()
{
    UErrorCode error = U_ZERO_ERROR;
    UConverter* converter = ucnv_open("windows-31j", &error);
    if (U_FAILURE(error))
        qFatal("ICU has no converter for code page 932: %s", u_errorName(error));
    // ICU's own substitute for this table is 0xFCFC; the code page's
    // default character is "?".
    ucnv_setSubstChars(converter, "?", 1, &error);
    return converter;
}

} // namespace

void CodeConv::ConverterClose::operator()(UConverter* converter) const
{
    ucnv_close(converter);
}

CodeConv::CodeConv() : m_cp932(openCp932()) {}

CodeConv::~CodeConv() = default;

QByteArray CodeConv::U8toU16(const QByteArray& utf8)
{
    auto fail = [this](int number, const char* description) {
        ConvError = QStringLiteral("U8toU16 %1 %2").arg(number).arg(QLatin1String(description));
        return QByteArray();
    };
    if (utf8.isEmpty())
        return fail(9, "input has no bytes");
    if (utf8.size() > kMaxBytes / 2)
        return fail(6, "result size overflows");

    // UTF-8 never yields more code units than it has bytes, so one buffer of
    // that size is allocated once and only cut to length.
    const auto inputLength = static_cast<int32_t>(utf8.size());
    std::vector<UChar> buffer(static_cast<size_t>(inputLength));
    int32_t units = 0;
    UErrorCode error = U_ZERO_ERROR;
    u_strFromUTF8WithSub(buffer.data(), inputLength, &units, utf8.constData(), inputLength,
                         kReplacementCharacter, nullptr, &error);
    if (U_FAILURE(error))
        return fail(5, u_errorName(error));
    if (units == 0)
        return fail(5, "converter reported no code units");

    QByteArray result(qsizetype(units) * 2, Qt::Uninitialized);
    qToLittleEndian<char16_t>(buffer.data(), units, result.data());
    return result;
}

QByteArray CodeConv::U16toSJIS(const QByteArray& utf16) const
{
    const qsizetype units = utf16.size() / 2;
    if (units == 0)
        throw ProcedureFailure("U16toSJIS: no code units");
    if (units > kMaxBytes / 2)
        throw ProcedureFailure("U16toSJIS: input too large");

    std::vector<UChar> buffer(static_cast<size_t>(units));
    qFromLittleEndian<char16_t>(utf16.constData(), units, buffer.data());

    // Code page 932 takes at most two bytes per code unit: one allocation,
    // cut to length afterwards.
    const auto capacity = static_cast<int32_t>(units * 2);
    QByteArray result(capacity, Qt::Uninitialized);
    UErrorCode error = U_ZERO_ERROR;
    const int32_t bytes = ucnv_fromUChars(m_cp932.get(), result.data(), capacity, buffer.data(),
                                          static_cast<int32_t>(units), &error);
    if (U_FAILURE(error))
        throw ProcedureFailure("U16toSJIS: converter failed");
    if (bytes == 0)
        throw ProcedureFailure("U16toSJIS: converter reported no bytes");
    result.truncate(bytes);
    return result;
}

QString CodeConv::sjisToText(const QByteArray& sjis) const
{
    if (sjis.isEmpty())
        return {};
    if (sjis.size() > kMaxBytes)
        throw ProcedureFailure("code page text too large");
    const auto length = static_cast<int32_t>(sjis.size());
    UErrorCode error = U_ZERO_ERROR;
    // Code page 932 never yields more code units than bytes.
    QString text(length, Qt::Uninitialized);
    const int32_t units = ucnv_toUChars(m_cp932.get(), reinterpret_cast<UChar*>(text.data()),
                                        length, sjis.constData(), length, &error);
    if (U_FAILURE(error))
        throw ProcedureFailure("code page text could not be read");
    text.truncate(units);
    return text;
}
