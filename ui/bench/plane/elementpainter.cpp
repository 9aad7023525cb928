// SPDX-License-Identifier: GPL-3.0-or-later
#include "elementpainter.h"

#include "leasttimepath.h"
#include "mirror.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
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
    } else if (experiment.element == Experiment::Element::Slits) {
        paintSlits(painter, experiment, toPixels, ink);
    }
    painter.restore();
}

void ElementPainter::paintSlits(QPainter &painter, const Experiment &experiment,
                                const QTransform &toPixels, const QColor &ink)
{
    // The screen a few pixels thick just behind x = 0, where the map begins; each slit at least
    // two pixels open, however far the view is zoomed out.
    constexpr double thick = 4;
    constexpr double narrowestGap = 2;
    const MapExtent extent = experiment.mapExtent();
    const Slits slits = experiment.slits();
    const double left = toPixels.map(QPointF(0, 0)).x();
    const auto pixelY = [&toPixels](double y) { return toPixels.map(QPointF(0, y)).y(); };
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    // Pixels run downwards: from the screen's top edge to its bottom one.
    double from = pixelY(extent.yEnd());
    std::vector<QPointF> centres;
    for (int slit = slits.count() - 1; slit >= 0; --slit) {
        const double centre = pixelY(slits.centre(slit));
        const double half =
            std::max(std::abs(pixelY(experiment.slitWidth / 2) - pixelY(0)), narrowestGap / 2);
        painter.drawRect(QRectF(QPointF(left, from), QPointF(left + thick, centre - half)));
        from = centre + half;
        centres.push_back({left + thick / 2, centre});
    }
    painter.drawRect(QRectF(QPointF(left, from), QPointF(left + thick, pixelY(extent.yLow()))));
    if (!experiment.whichPath)
        return;
    // The marks: filled while they record the way, hollow once the eraser has erased them.
    const QColor mark(255, 140, 0);
    painter.setPen(QPen(mark, 1.5));
    painter.setBrush(experiment.eraser ? QBrush(Qt::NoBrush) : QBrush(mark));
    for (const QPointF &centre : centres)
        painter.drawEllipse(centre + QPointF(thick, 0), 4, 4);
}

std::vector<Vec2> ElementPainter::leastTimeWay(const Experiment &experiment, Vec2 mapPoint)
{
    // The slits' ways are many, through every slit, none of them the light's alone.
    const int fan = experiment.fanAt(mapPoint);
    if (fan < 0 || experiment.element == Experiment::Element::Slits)
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
