// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reach/heard_marks.h"
#include "reach/station_reach.h"

#include <QWidget>

#include <vector>

// The map itself: paints the reach of one page at the widget's size.
class EsMapView : public QWidget {
    Q_OBJECT
public:
    explicit EsMapView(QWidget* parent = nullptr);

    void setReach(const ReachReport& report, SignalPalette palette);
    const ReachReport& report() const { return m_report; }
    SignalPalette signalPalette() const { return m_palette; }
    void setHeard(std::vector<HeardMark> marks);
    const std::vector<HeardMark>& heard() const { return m_heard; }

    QSize sizeHint() const override { return {720, 720}; }

signals:
    // A click on the mark `index` of heard(), at `globalPos`.
    void heardMarkClicked(std::size_t index, QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ReachReport m_report;
    std::vector<HeardMark> m_heard;
    SignalPalette m_palette = SignalPalette::Standard;
};
