// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Plain text of a station's section of the alert page: markup removed,
// heading decoration dropped, "MHZ" written "MHz", a line break after
// every "]" that an ideographic space follows, less the last two
// characters. Empty when too little is left.
QString FormatStationDetail(const QString& section);

// The removal loop rescans the whole section once per distinct tag, which
// is quadratic. Real sections are a few kilobytes; past this many scanned
// characters the rest of the section is finished in one linear sweep (see
// formatStationDetailWithin).
inline constexpr qsizetype kFormatScanBudget = 4 * 1024 * 1024;

// FormatStationDetail with an explicit scan budget. Once the budget is
// spent, every remaining complete tag from the loop's position on is
// removed in one left-to-right sweep and the clean-up replacements run
// once more; markup from a "<" without a following ">" stays.
QString formatStationDetailWithin(const QString& section, qsizetype scanBudget);
