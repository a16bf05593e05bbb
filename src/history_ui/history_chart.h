// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/band_activity.h"
#include "history/chart_data.h"

#include <QWidget>

#include <optional>

// Paints prepared history data: one colour per station, points coloured
// by their signal, dashed guide lines at the Es that opens 28 and 50 MHz
// on the longest single hop; hovering a point shows its values. Under the
// curves, when given, a strip per band with its contacts (and decodes)
// per quarter hour in the band's colour.
class HistoryChart : public QWidget {
    Q_OBJECT
public:
    explicit HistoryChart(QWidget* parent = nullptr);

    void setData(std::vector<PageRecord> records, ChartData data, ChartView view);
    const ChartData& data() const { return m_data; }
    // The strips' counts; nothing (no log to count) leaves them out.
    void setActivity(std::optional<BandActivity> activity);

    // Band `band`'s strip (an index of kBandsMHz) in widget coordinates;
    // empty without strips.
    QRectF stripRect(int band) const;

    // The plot area in widget coordinates and the scale drawn with it.
    ChartScale scale() const;

    // The tooltip text of the point near `pos`, empty when there is none.
    QString describeAt(QPointF pos) const;

    static QColor stationColour(int station);
    static QColor signalColour(SignalLevel level);
    // The legend's word for a level: 通常, 注意, 警報, 不明.
    static QString signalWord(SignalLevel level);
    // `t` (seconds since the epoch) in JST, as the chart shows times.
    static QString jstText(qint64 t, const QString& format);
    static QString stationName(int station);
    // The value axis' least upper end in `view`: the Es view keeps its
    // guide lines in sight.
    static double leastTop(ChartView view);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void paintAxes(QPainter& p, const ChartScale& s) const;
    void paintGuides(QPainter& p, const ChartScale& s) const;
    void paintSeries(QPainter& p, const ChartScale& s) const;
    void paintLegend(QPainter& p) const;
    void paintStrips(QPainter& p, const ChartScale& s) const;
    QString describeSlotAt(QPointF pos) const;
    double stripsHeight() const;

    std::vector<PageRecord> m_records;
    ChartData m_data;
    ChartView m_view = ChartView::Es;
    std::optional<BandActivity> m_activity;
};
