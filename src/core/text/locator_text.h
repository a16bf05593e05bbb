// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// A Maidenhead locator of 4 or 6 characters in any case ("pm95",
// "PM95VQ"), blanks around it aside, written the usual way: field letters
// in capitals, subsquare letters small ("PM95", "PM95vq"). Nothing for any
// other text.
std::optional<QString> canonicalLocator(const QString& text);

// Why `typed` is no locator, with the rule, in the interface language:
// the one refusal of every field that takes a locator.
QString locatorRefusal(const QString& typed);
