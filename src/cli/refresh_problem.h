// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/page_refresh.h"

#include <QString>

#include <optional>

// What a downloaded refresh came to: a response with an error status is
// not the alert page, whether or not it brought a body (an empty one would
// otherwise read as failed).
RefreshOutcome responseOutcome(RefreshOutcome outcome, std::optional<int> httpStatus);

// What went wrong with a refresh, for one line on standard error: the
// outcome (as responseOutcome gives it), then why no body came and the
// HTTP status, where known ("network-error: connection refused",
// "not-alert-page: HTTP 404").
QString refreshProblem(RefreshOutcome outcome, std::optional<int> httpStatus,
                       const QString& transferError);

// Why a page read from `input` (a file's name, or "standard input") was
// not read through, for one line on standard error: "not-alert-page:
// page.html has no NICT Ionospheric Alert title".
QString inputProblem(RefreshOutcome outcome, const QString& input);
