// SPDX-License-Identifier: GPL-3.0-or-later
#include "elementpainter.h"

#include "leasttimepath.h"
#include "mirror.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <numbers>

namespace veltrin {

void ElementPainter::paint(QPainter &painter, const Experiment &experiment,
                           const QTransform &toPixels, const QColor &ink)
{
    const MapExtent extent = experiment.mapExtent();
    auto at = [&toPixels](double x, double y) { return toPixels.map(QPointF(x, y)); };
    painter.save();
    if (experiment.element == Experiment::Element::Boundary) {
        QColor glass(120, 180, 255, 50);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glass);
        painter.drawPolygon(QPolygonF{at(0, 0), at(extent.xEnd, 0), at(extent.xEnd, extent.yLow()),
                                      at(0, extent.yLow())});
        QColor faint = ink;
        faint.setAlpha(90);
        painter.setPen(QPen(faint, 1));
        painter.drawLine(at(0, 0), at(extent.xEnd, 0));
        painter.setPen(QPen(ink, 3, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(at(experiment.windowFrom, 0), at(experiment.windowTo, 0));
    } else if (experiment.element == Experiment::Element::Lens) {
        const Lens lens = experiment.lens();
        QPolygonF left;
        QPolygonF right;
        constexpr int steps = 60;
        for (int i = 0; i <= steps; ++i) {
            const double y = extent.yLow() + 2 * extent.halfHeight * i / steps;
            const double half = lens.thickness(y) / 2;
            left << at(Lens::x - half, y);
            right.prepend(at(Lens::x + half, y));
        }
        painter.setPen(QPen(ink, 1.5));
        painter.setBrush(QColor(120, 180, 255, 70));
        painter.drawPolygon(left + right);
        const QPointF target = at(experiment.target.x, experiment.target.y);
        painter.setPen(QPen(QColor(255, 160, 0), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(target - QPointF(5, 5), QSizeF(10, 10)));
    }
    painter.restore();
}

std::vector<Vec2> ElementPainter::leastTimeWay(const Experiment &experiment, Vec2 mapPoint)
{
    const int fan = experiment.fanAt(mapPoint);
    if (fan < 0)
        return {};
    const ArrowFan arrows = experiment.fans()[std::size_t(fan)];
    if (arrows.points.empty())
        return {};
    const Vec2 crossing =
        MapGrid::mapOf(LeastTimePath::through(arrows, MapGrid::sceneOf(mapPoint)).crossing);
    Vec2 from;
    if (experiment.source.isPoint()) {
        from = MapGrid::mapOf(experiment.source.at());
    } else {
        // The beam's ray that meets the crossing, from the map's top edge.
        const double angle = experiment.beamAngle * std::numbers::pi / 180;
        const double rise = experiment.mapExtent().halfHeight - crossing.y;
        from = {crossing.x - rise * std::tan(angle), crossing.y + rise};
    }
    return {from, crossing, mapPoint};
}

} // namespace veltrin
