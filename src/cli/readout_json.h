// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/page_refresh.h"

#include <QByteArray>
#include <QString>

#include <optional>

struct ReadoutState;

// One line of JSON describing the state a refresh left, newline-terminated.
QByteArray readoutJson(const char* outcome, const ReadoutState& state);

// readoutJson with two keys more at its end: "http_status" (null without a
// response) and "error" (null when a body came).
QByteArray fetchJson(const char* outcome, const ReadoutState& state, std::optional<int> httpStatus,
                     const QString& transferError);
