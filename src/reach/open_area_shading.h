// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/es_reading.h"
#include "reach/map_projection.h"
#include "reach/mirror_model.h"

#include <QPainterPath>

#include <array>

// The open area from home on the map: cells of kShadeBearingStep degrees
// by kShadeKmStep km around home, each judged at its centre by the rule
// of pathOpen, joined along each bearing. A cell goes to the highest band
// open there, as a station's rings do, so that the colours never mix.

inline constexpr double kShadeBearingStep = 1;
inline constexpr double kShadeKmStep = 20;

std::array<QPainterPath, kBandCount> openAreaShapes(GeoPoint home, const EsReading& reading,
                                                    const MapProjection& projection);
