// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/station_reach.h"

#include <QWidget>

// The map itself: paints the reach of one page at the widget's size.
class EsMapView : public QWidget {
    Q_OBJECT
public:
    explicit EsMapView(QWidget* parent = nullptr);

    void setReach(const ReachReport& report, SignalPalette palette);
    const ReachReport& report() const { return m_report; }
    SignalPalette signalPalette() const { return m_palette; }

    QSize sizeHint() const override { return {720, 720}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ReachReport m_report;
    SignalPalette m_palette = SignalPalette::Standard;
};
