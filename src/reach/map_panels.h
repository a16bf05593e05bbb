// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/station_reach.h"

#include <QColor>
#include <QFont>
#include <QRectF>

#include <functional>
#include <vector>

class QPainter;

// A dark box of text lines over the map, each line with an optional
// sample before it (a band's swatch, a line style).
class MapPanel {
public:
    struct Line {
        QString text;
        QFont font;
        QColor colour;
        std::function<void(QPainter&, const QRectF&)> sample;
    };

    MapPanel(std::vector<Line> lines, double unit);

    QSizeF size() const;
    void paint(QPainter& painter, QPointF topLeft) const;

private:
    double lineHeight(const Line& line) const;

    std::vector<Line> m_lines;
    double m_unit;
};

// The title: "Es マップ", the page time and what the map shows.
MapPanel titlePanel(const ReachReport& report, double unit);

// The legend: the bands (closed ones said so, 不通), what the rings, their
// edges and the open area from home mean, with `heard` the marks of
// heard stations and with `contacts` those of the log's contacts.
MapPanel legendPanel(const ReachReport& report, double unit, bool heard, bool contacts = false);
