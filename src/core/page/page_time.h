// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// The page's time stamp in UTC. The provider gives Japanese time (UTC+9);
// separators, full-width digits, seconds and a UTC marker are tolerated.
std::optional<QDateTime> pageTimeToUtc(const QString& text);
