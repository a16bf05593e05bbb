// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// A Maidenhead locator of 4 or 6 characters in any case ("pm95",
// "PM95VQ"), blanks around it aside, written the usual way: field letters
// in capitals, subsquare letters small ("PM95", "PM95vq"). Nothing for any
// other text.
std::optional<QString> canonicalLocator(const QString& text);
