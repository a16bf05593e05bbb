// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/adif_record.h"

QString AdifRecord::key() const
{
    return call + u' ' + time.toString(QStringLiteral("yyyyMMddhhmm")) + u' ' + band;
}
