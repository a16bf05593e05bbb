// SPDX-License-Identifier: GPL-3.0-or-later
// Number conversion of settings: textToLong against a reference on short
// numbers, and singleToText read back both ways.
#include "core/system/procedure_failure.h"
#include "core/text/number_text.h"
#include "fuzz_check.h"

#include <QRegularExpression>

#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

namespace {

std::optional<qint32> tryTextToLong(const QString& text)
{
    try {
        return textToLong(text);
    } catch (const ProcedureFailure&) {
        return std::nullopt;
    }
}

bool fitsLong(double rounded)
{
    return rounded >= std::numeric_limits<qint32>::min() &&
           rounded <= std::numeric_limits<qint32>::max();
}

void checkTextToLong(const QString& text)
{
    static const QRegularExpression number(QStringLiteral(
        "^[ \\t]*([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+))((?:[eE][+-]?[0-9]+)?)[ \\t]*\\z"));
    const std::optional<qint32> result = tryTextToLong(text);
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch()) {
        FUZZ_CHECK(!result);
        return;
    }
    // Up to 15 digits a double holds the number closely enough that
    // rounding it to the even neighbour gives the exact answer.
    const QString mantissa = match.captured(1);
    qsizetype digits = 0;
    for (QChar c : mantissa)
        digits += c.isDigit() ? 1 : 0;
    const QString exponent = match.captured(2);
    if (digits > 15 || exponent.size() > 6)
        return;
    const double value = std::strtod((mantissa + exponent).toLatin1().constData(), nullptr);
    const double rounded = std::nearbyint(value);
    if (!fitsLong(rounded)) {
        FUZZ_CHECK(!result);
        return;
    }
    FUZZ_CHECK(result && *result == static_cast<qint32>(rounded));
}

void checkSingleToText(float value)
{
    const QString text = singleToText(value);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(!tryTextToLong(text));
        return;
    }
    FUZZ_CHECK(!text.contains(u'e') && !text.contains(u'E'));
    // strtof rather than QString::toFloat, which refuses subnormal numbers.
    const QByteArray latin1 = text.toLatin1();
    char* end = nullptr;
    const float back = std::strtof(latin1.constData(), &end);
    FUZZ_CHECK(end == latin1.constData() + latin1.size() && back == value);
    const double rounded = std::nearbyint(double(value));
    const std::optional<qint32> whole = tryTextToLong(text);
    if (fitsLong(rounded))
        FUZZ_CHECK(whole && *whole == static_cast<qint32>(rounded));
    else
        FUZZ_CHECK(!whole);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FUZZ_CHECK(std::fegetround() == FE_TONEAREST);
    if (size >= sizeof(float)) {
        float value;
        std::memcpy(&value, data, sizeof value);
        checkSingleToText(value);
    }
    checkTextToLong(
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
