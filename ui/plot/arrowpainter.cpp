// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrowpainter.h"

#include "plotpanel.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace veltrin {

void ArrowPainter::head(QPainter &painter, QPointF from, QPointF tip, double length)
{
    const QPointF along = tip - from;
    const double norm = std::hypot(along.x(), along.y());
    if (norm <= 0)
        return;
    const QPointF unit = along / norm;
    const QPointF across(-unit.y(), unit.x());
    const QPointF base = tip - unit * length;
    const double halfWidth = 0.45 * length;
    painter.drawPolygon(QPolygonF{tip, base + across * halfWidth, base - across * halfWidth});
}

void ArrowPainter::ring(QPainter &painter, QPointF centre)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 4));
    painter.drawEllipse(centre, 7, 7);
    painter.setPen(QPen(PlotPanel::ink(), 2));
    painter.drawEllipse(centre, 7, 7);
    painter.restore();
}

} // namespace veltrin
