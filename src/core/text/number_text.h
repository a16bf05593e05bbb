// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Conversions between settings text and numbers.

// The number in `text` rounded to the nearest whole number, halves to the
// even neighbour ("2.5" gives 2, "3.5" gives 4). Blanks around it, a sign,
// a decimal fraction and an exponent are accepted ("-15.4", "1e3"). Fails
// (ProcedureFailure) on anything else and on results outside 32 bits.
qint32 textToLong(const QString& text);

// The shortest decimal text that reads back as `value`, never in exponent
// notation ("1234", "-15", "1234.5"); negative zero gives "0".
QString singleToText(float value);

// The number in a reading's text ("5.3", full-width digits too), nothing
// for "?", "---" or any other text.
std::optional<double> readingNumber(const QString& text);
