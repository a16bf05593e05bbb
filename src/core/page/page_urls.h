// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// The data provider's web server.
inline constexpr char kProviderHost[] = "wdc.nict.go.jp";

// "http://" and the provider's host: what the page paths are appended to.
QString defaultPageBase();

// `PageUrl(0..5)`: the alert page, all stations' ionograms, then the four
// stations' ionogram pages in station order, each `base` + its path.
std::array<QString, 6> pageUrls(const QString& base = defaultPageBase());
