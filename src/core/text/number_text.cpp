// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/number_text.h"

#include "core/system/procedure_failure.h"

#include <QRegularExpression>

#include <charconv>
#include <limits>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A decimal number taken apart: value = ±0.digits × 10^pointPosition.
// Kept as digits so that rounding the halves is exact.
struct DecimalText {
    bool negative = false;
    QString digits;
    qint64 pointPosition = 0;
};

[[noreturn]] void notANumber()
{
    throw ProcedureFailure("text is not a number");
}

// Appends the digits from `at` on; returns how many were taken.
qsizetype takeDigits(const QString& text, qsizetype& at, QString* into)
{
    const qsizetype start = at;
    while (at < text.size() && isAsciiDigit(text.at(at))) {
        if (into)
            into->append(text.at(at));
        ++at;
    }
    return at - start;
}

DecimalText parseDecimal(const QString& text)
{
    qsizetype at = 0;
    qsizetype end = text.size();
    while (at < end && isBlank(text.at(at)))
        ++at;
    while (end > at && isBlank(text.at(end - 1)))
        --end;
    const QString body = text.sliced(at, end - at);

    DecimalText number;
    at = 0;
    if (at < body.size() && (body.at(at) == u'+' || body.at(at) == u'-'))
        number.negative = body.at(at++) == u'-';
    const qsizetype wholeDigits = takeDigits(body, at, &number.digits);
    qsizetype fractionDigits = 0;
    if (at < body.size() && body.at(at) == u'.') {
        ++at;
        fractionDigits = takeDigits(body, at, &number.digits);
    }
    if (wholeDigits + fractionDigits == 0)
        notANumber();
    number.pointPosition = wholeDigits;

    if (at < body.size() && (body.at(at) == u'e' || body.at(at) == u'E')) {
        ++at;
        bool negativeExponent = false;
        if (at < body.size() && (body.at(at) == u'+' || body.at(at) == u'-'))
            negativeExponent = body.at(at++) == u'-';
        // Exponents this large already push every digit out of range (or
        // below one half), so saturating keeps the arithmetic safe.
        constexpr qint64 saturated = qint64(1) << 40;
        qint64 exponent = 0;
        const qsizetype start = at;
        for (; at < body.size() && isAsciiDigit(body.at(at)); ++at)
            exponent = qMin(exponent * 10 + (body.at(at).unicode() - u'0'), saturated);
        if (at == start)
            notANumber();
        number.pointPosition += negativeExponent ? -exponent : exponent;
    }
    if (at != body.size())
        notANumber();
    return number;
}

} // namespace

qint32 textToLong(const QString& text)
{
    DecimalText number = parseDecimal(text);
    qsizetype leadingZeros = 0;
    while (leadingZeros < number.digits.size() && number.digits.at(leadingZeros) == u'0')
        ++leadingZeros;
    number.digits.remove(0, leadingZeros);
    number.pointPosition -= leadingZeros;
    if (number.digits.isEmpty())
        return 0;
    // 2^31 has ten digits; an eleventh whole digit is out of range.
    if (number.pointPosition > 10)
        throw ProcedureFailure("number out of range");

    const auto digitAt = [&](qint64 i) {
        return i >= 0 && i < number.digits.size() ? number.digits.at(i).unicode() - u'0' : 0;
    };
    qint64 whole = 0;
    for (qint64 i = 0; i < number.pointPosition; ++i)
        whole = whole * 10 + digitAt(i);

    const qint64 firstFraction = qMax<qint64>(number.pointPosition, 0);
    const int roundingDigit = number.pointPosition < 0 ? 0 : digitAt(firstFraction);
    bool beyondHalf = false;
    for (qint64 i = firstFraction + 1; i < number.digits.size() && !beyondHalf; ++i)
        beyondHalf = digitAt(i) != 0;
    const bool roundUp =
        roundingDigit > 5 || (roundingDigit == 5 && (beyondHalf || whole % 2 != 0));
    if (roundUp)
        ++whole;

    const qint64 result = number.negative ? -whole : whole;
    if (result < std::numeric_limits<qint32>::min() || result > std::numeric_limits<qint32>::max())
        throw ProcedureFailure("number out of range");
    return static_cast<qint32>(result);
}

QString singleToText(float value)
{
    if (value == 0.0f)
        return QStringLiteral("0");
    // Fixed notation of the largest float needs 39 digits and of the
    // smallest about 50 characters.
    char buffer[128];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

std::optional<double> readingNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral(R"(^\d{1,3}(\.\d+)?$)"));
    const QString trimmed = text.normalized(QString::NormalizationForm_KC).trimmed();
    if (!number.match(trimmed).hasMatch())
        return std::nullopt;
    return trimmed.toDouble();
}
