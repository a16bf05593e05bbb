// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/page_refresh.h"

#include <QString>

#include <optional>

// What went wrong with a refresh, for one line on standard error: the
// outcome, then why no body came and the HTTP status, where known
// ("network-error: connection refused", "not-alert-page: HTTP 404").
QString refreshProblem(RefreshOutcome outcome, std::optional<int> httpStatus,
                       const QString& transferError);
