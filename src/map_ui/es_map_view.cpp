// SPDX-License-Identifier: GPL-3.0-or-later
#include "map_ui/es_map_view.h"

#include "reach/reach_map.h"

#include <QMouseEvent>
#include <QPainter>

EsMapView::EsMapView(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(360, 360);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus); // a screen reader reaches its description
}

void EsMapView::setReach(const ReachReport& report, SignalPalette palette)
{
    m_report = report;
    m_palette = palette;
    update();
}

void EsMapView::setHeard(std::vector<HeardMark> marks)
{
    if (marks.empty() && m_heard.empty())
        return;
    m_heard = std::move(marks);
    update();
}

void EsMapView::mousePressEvent(QMouseEvent* event)
{
    const std::optional<std::size_t> mark = heardMarkAt(rect(), m_heard, event->position());
    if (mark)
        emit heardMarkClicked(*mark, event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

void EsMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintReachMap(painter, rect(), m_report, m_palette, m_heard);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}
