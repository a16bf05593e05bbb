// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Why a download brought no alert page: the address asked and the cause,
// kept as a value so that the window and ondrel-cli each say it in their
// own words.
struct FetchFailure {
    enum class Cause {
        ConnectionRefused,
        HostNotFound,
        TimedOut,
        HttpStatus, // the server answered with an error status
        NotHttp,    // the address is no http or https one
        TooLarge,
        Tls,
        Other,
    };
    Cause cause = Cause::Other;
    QString url = {};
    int httpStatus = 0;        // HttpStatus
    double timeoutSeconds = 0; // TimedOut
    qint64 maxBytes = 0;       // TooLarge
    QString detail = {};       // Tls, Other: the network library's words

    bool operator==(const FetchFailure&) const = default;
};

// The host of the address asked.
QString failedHost(const FetchFailure& failure);

// The cause in a few English words, as ondrel-cli prints it ("connection
// refused", "host wdc.nict.go.jp not found", "no answer within 60 s").
QString fetchFailureText(const FetchFailure& failure);

// The status line's tooltip in the interface language: the address asked,
// the cause in words and the setting to change (ESHost).
QString fetchFailureExplanation(const FetchFailure& failure);
