// SPDX-License-Identifier: GPL-3.0-or-later
#include "lenstimeplot.h"

#include "experiment.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace veltrin {

LensTimePlot::LensTimePlot(QWidget *parent) : PlotPanel(parent)
{
    setObjectName(QStringLiteral("lensTimes"));
    setTitle(tr("Time of each path to the target"));
}

void LensTimePlot::showFor(const Experiment &experiment)
{
    Experiment bare = experiment;
    bare.index = 1;
    bare.cut = {};
    Experiment whole = experiment;
    whole.cut = {};
    constexpr int pointsPerHalf = 40;
    const ArrowFan lens = whole.fans(pointsPerHalf).front();
    const ArrowFan air = bare.fans(pointsPerHalf).front();
    const Vec2 target = MapGrid::sceneOf(experiment.target);
    auto time = [&target](const ArrowFan &fan, std::size_t i) {
        const Vec2 at = fan.points[i];
        return fan.pathBefore[i] + fan.index * std::hypot(target.x - at.x, target.y - at.y);
    };
    // From the lens's lower end to its upper, whatever order its halves are sampled in.
    std::vector<std::size_t> order(lens.points.size());
    std::iota(order.begin(), order.end(), 0);
    std::ranges::sort(order, {}, [&lens](std::size_t i) { return lens.points[i].y; });
    m_heights.clear();
    m_lens.clear();
    m_bare.clear();
    for (std::size_t i : order) {
        m_heights.push_back(MapGrid::mapOf(lens.points[i]).y);
        m_lens.push_back(time(lens, i));
        m_bare.push_back(time(air, i));
    }
    update();
}

void LensTimePlot::paintContent(QPainter &painter)
{
    if (m_heights.empty())
        return;
    const QRectF area = QRectF(contentRect()).adjusted(2, 2, -2, -14);
    const auto [lowY, highY] = std::ranges::minmax(m_heights);
    const double least =
        std::min(*std::ranges::min_element(m_bare), *std::ranges::min_element(m_lens));
    const double most =
        std::max(*std::ranges::max_element(m_bare), *std::ranges::max_element(m_lens));
    const double span = std::max(most - least, 1.0);
    auto pixel = [&](double y, double time) {
        return QPointF(area.left() + area.width() * (y - lowY) / std::max(highY - lowY, 1.0),
                       area.bottom() - area.height() * (time - least) / span);
    };
    painter.setRenderHint(QPainter::Antialiasing);
    auto curve = [&](const std::vector<double> &times, const QPen &pen) {
        QPainterPath path(pixel(m_heights[0], times[0]));
        for (std::size_t i = 1; i < times.size(); ++i)
            path.lineTo(pixel(m_heights[i], times[i]));
        painter.strokePath(path, pen);
    };
    curve(m_bare, QPen(faintInk(), 1.5, Qt::DashLine));
    curve(m_lens, QPen(QColor(30, 90, 200), 2));
    painter.setPen(ink());
    painter.drawText(QRectF(area.left(), area.bottom() + 1, area.width(), 13),
                     Qt::AlignLeft | Qt::AlignTop, tr("blue: through the lens; dashed: no glass"));
}

} // namespace veltrin
