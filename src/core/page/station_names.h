// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"

#include <QCoreApplication>

#include <array>

// The four stations in the grid's order.
struct StationName {
    const char* mark;  // the grid's row heading
    const char* name;  // Japanese place name
    const char* ascii; // for logs and scripts
};

inline constexpr std::array<StationName, kStationCount> kStationNames{{
    {QT_TRANSLATE_NOOP("Station", "稚"), QT_TRANSLATE_NOOP("Station", "稚内"), "wakkanai"},
    {QT_TRANSLATE_NOOP("Station", "国"), QT_TRANSLATE_NOOP("Station", "国分寺"), "kokubunji"},
    {QT_TRANSLATE_NOOP("Station", "鹿"), QT_TRANSLATE_NOOP("Station", "山川"), "yamagawa"},
    {QT_TRANSLATE_NOOP("Station", "沖"), QT_TRANSLATE_NOOP("Station", "大宜味"), "ogimi"},
}};

// Station `k`'s row heading and place name in the interface language.
inline QString shownStationMark(int k)
{
    return QCoreApplication::translate("Station", kStationNames[k].mark);
}
inline QString shownStationName(int k)
{
    return QCoreApplication::translate("Station", kStationNames[k].name);
}

// Index of station `k`'s reading `column` (0 Fmax, 1 Fmin, 2 Es) in the grid.
constexpr int cellIndex(int k, int column)
{
    return k * kReadingCount + column;
}
