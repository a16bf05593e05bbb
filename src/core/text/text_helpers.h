// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/system/procedure_failure.h"

#include <QString>

// The 1-based text operations the alert page is cut with. A procedure
// built from them ends at its first failing step: the helpers throw
// ProcedureFailure.

// Position (1-based) of the first `what` starting at or after `from`,
// 0 when none or when `from` lies past the end. `from` below 1 fails.
qsizetype Find(const QString& text, const QString& what, qsizetype from);

// At most `length` characters of `text` from position `start` (1-based);
// empty when `start` lies past the end. `start` below 1 or a negative
// `length` fails.
QString Mid(const QString& text, qsizetype start, qsizetype length);

// The first `length` characters; a negative length fails.
QString Left(const QString& text, qsizetype length);

// The last `length` characters; a negative length fails.
QString Right(const QString& text, qsizetype length);

// `text` without leading and trailing U+0020 (tabs and U+3000 stay).
QString TrimBlanks(const QString& text);

// `text` in upper case, one code unit at a time (the simple Unicode case
// mapping). For text read back from code page 932 this equals
// QString::toUpper, at a fraction of its cost on a page of mostly ASCII.
QString UpperCase(QString text);
