// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <optional>
#include <vector>

struct ReadoutState;

// The history log's codes of stations 0..3, as the provider names them.
inline constexpr std::array<const char*, 4> kStationCodes = {"wk546", "to536", "yg431", "ok426"};

// Index of a station code, or -1.
int stationIndex(const QString& code);

// Column order of the three readings in a record.
enum ReadingColumn { FmaxColumn = 0, FminColumn = 1, EsColumn = 2 };

// One station's readings of one logged page.
struct PageRecord {
    QString pageTime;                     // the page's time stamp as given
    std::optional<QDateTime> pageTimeUtc; // where it could be read
    QDateTime fetchedUtc;
    QString station; // wk546 ...
    std::array<QString, 3> texts;
    std::array<std::optional<double>, 3> values; // where the text is a number
    std::array<QString, 3> signalNames;

    // The instant the record stands for: page time, else fetch time.
    QDateTime instant() const { return pageTimeUtc ? *pageTimeUtc : fetchedUtc; }
};

// The four records of an accepted page.
std::vector<PageRecord> recordsFromReadout(const ReadoutState& readout,
                                           const QDateTime& fetchedUtc);

// Fixed-width ISO text of a UTC instant ("2026-12-07T01:15:00Z"): sorts as it compares.
QString utcText(const QDateTime& utc);
std::optional<QDateTime> utcFromText(const QString& text);
