// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/refresh/fetch_failure.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Colour values are 0x00BBGGRR: red in the low byte.
using ColourValue = std::uint32_t;

constexpr ColourValue QuietColor = 0x00FF00;
constexpr ColourValue CautionColor = 0x00FFFF;
constexpr ColourValue AlertColor = 0x0000FF;
constexpr ColourValue UndefinedColor = 0xFFFFC0;

// The colours the readout and the tray are drawn in: the page's own, or a
// set that stays apart without red, green or blue cones (ESPalette=cvd).
enum class SignalPalette { Standard, Cvd };

constexpr int kStationCount = 4;
constexpr int kReadingCount = 3;
constexpr int kStationCellCount = kStationCount * kReadingCount;
constexpr int kCellCount = kStationCellCount + kReadingCount; // with the summary row
constexpr int kEsColumn = 2;

// "#RRGGBB" of a 0x00BBGGRR colour value.
QString colourName(ColourValue colour);

// One cell of the readout grid `Label2`.
struct GridCell {
    QString caption;
    ColourValue colour = QuietColor;
};

// The value texts and signal names of one station as the parser cuts them.
struct StationReading {
    QString fmax, fmin, es;
    QString fmaxSignal, fminSignal, esSignal;
};

// Everything a refresh writes, starting as a freshly started program has it.
// The window renders this; nothing here knows about widgets.
struct ReadoutState {
    std::array<GridCell, kCellCount> cells{};
    std::array<int, kReadingCount> SummaryLevel{};
    std::array<QString, kReadingCount> SummaryMark;
    QString StatusPhrase;
    // Fixed texts here are translated where they are shown (shown_readout.h).
    QString windowCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("Readout", "電離層"));
    QString AlertTime;
    QString statusItem =
        QString::fromUtf8(QT_TRANSLATE_NOOP("Readout", "QRX 読み込み中")); // `fmcls`
    std::array<StationReading, kStationCount> readings;
    std::array<QString, kStationCount> StationDetail;
    std::array<QString, kStationCount> DelayNote;
    bool headerOpaque = false; // `Label1`'s trouble sign
    // When the last page was accepted (UTC); nothing before the first.
    std::optional<QDateTime> pageArrivedUtc;
    // Why the last download brought no page; nothing once one came.
    std::optional<FetchFailure> fetchFailure;
};
