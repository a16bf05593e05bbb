// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Who sent a decoded FT8/FT4/JT65 message, read from its standard forms:
// "CQ [modifier] CALL [GRID]", "TO FROM [GRID | report | R-report | RRR |
// RR73 | 73]". Free text has no sender.

struct DecodeSender {
    QString call;        // capitals, compound parts kept ("KH0/JA1XYZ"), no brackets
    QString grid;        // a 4-character grid, or empty
    bool hashed = false; // sent as a hash ("<JA1XYZ>")
};

std::optional<DecodeSender> senderOf(const QString& message);

// A call sign, plain or compound ("JA1XYZ", "JA1XYZ/P", "KH0/JA1XYZ"),
// in capitals.
bool isCall(const QString& text);

// A 4-character grid square, A–R twice then two digits, in capitals;
// never "RR73".
bool isGrid(const QString& text);

// The part of a call that tells where it is: the prefix of a compound call
// ("KH0" of "KH0/JA1XYZ", "JA1XYZ/6" gives "JA6XYZ"'s area through the
// digit), else the call without its portable suffix.
QString locatingPart(const QString& call);
