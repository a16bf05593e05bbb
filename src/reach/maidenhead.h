// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/sphere.h"

#include <QString>

#include <optional>

// Maidenhead locators: fields of 20° × 10°, squares of 2° × 1°,
// subsquares of 5′ × 2.5′.

// The centre of a locator's square (4 characters) or subsquare (6), any
// case ("PM95", "pm95vq"); nothing for anything else.
std::optional<GeoPoint> locatorCentre(const QString& locator);

// The 6-character locator of the subsquare holding `point` ("PM95vq").
QString locatorOf(GeoPoint point);
