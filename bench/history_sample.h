// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

class HistoryLog;

// Fills `log` with `days` of made-up pages every 15 minutes up to `end`:
// daily Fmax/Fmin curves, afternoon Es openings with caution and alert
// signals, a few "?" readings and two outages. The same every time.
void fillSampleHistory(HistoryLog& log, int days, const QDateTime& endUtc);
