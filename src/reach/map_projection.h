// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/sphere.h"

#include <QPointF>
#include <QRectF>

// An azimuthal equidistant projection centred on Japan and fitted into a
// rectangle: distances from the centre are true to scale and circles on
// the Earth stay nearly round, which suits rings of reach.
class MapProjection {
public:
    // The map shows at least 120–156° E and 22–50° N, as large as fits
    // into `area`, centred in it.
    explicit MapProjection(const QRectF& area);

    QPointF map(GeoPoint point) const;
    double pixelsPerKm() const { return m_scale; }

private:
    QPointF m_origin; // where the centre of the projection lands
    double m_scale = 1;
};
