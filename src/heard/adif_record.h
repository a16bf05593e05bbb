// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// One contact of an ADIF log, the fields Ondrel uses. Texts are empty when
// the log has none. A log of 100,000 contacts is kept whole, so the record
// stays small: repeated texts (band, mode, locators, reports) share one
// copy through the reader.
struct AdifRecord {
    QString call;               // upper case, as logged
    QString grid;               // GRIDSQUARE's first 6 characters, "PM95vq"; empty when no locator
    QDateTime time;             // QSO_DATE and TIME_ON, UTC
    QString band;               // BAND in lower case ("6m"), else the band of FREQ
    std::optional<int> bandMHz; // 28, 50 or 144: the bands the reach is worked out for
    std::optional<double> freqMHz; // FREQ
    QString mode, submode;         // "FT8"; "MFSK" and "FT4"
    QString myGrid;                // MY_GRIDSQUARE, as grid
    QString propMode;              // PROP_MODE: "ES", "TR", "F2", …
    QString rstReceived;           // RST_RCVD as logged
    std::optional<int> snr;        // RST_RCVD when it is a signed number ("-12", "+05")

    // The same contact, from any file or datagram, has the same key: call,
    // minute of TIME_ON and band ("JA1XYZ 202406011234 6m").
    QString key() const;
};
