// SPDX-License-Identifier: GPL-3.0-or-later
#include "pathtimegraph.h"

#include "arrowpainter.h"
#include "closeup.h"
#include "mirror.h"
#include "mirrorcolours.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace veltrin {

namespace {

constexpr double tickGap = 6;   // pixels between a tick label and the axis
constexpr double labelGap = 12; // pixels at least between neighbouring tick labels

/// Round values from `low` to `high`, about `most` of them, 1, 2 or 5 times a power of ten
/// apart.
std::vector<double> ticksBetween(double low, double high, int most)
{
    const double rough = (high - low) / std::max(most, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power * 10;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    }
    std::vector<double> ticks;
    for (double t = std::ceil(low / step) * step; t <= high + step * 1e-9; t += step)
        ticks.push_back(t);
    return ticks;
}

QString tickText(double tick)
{
    return QLocale().toString(tick, 'f', 0);
}

double widestTick(const QFontMetricsF &metrics, const std::vector<double> &ticks)
{
    double widest = 0;
    for (const double tick : ticks)
        widest = std::max(widest, metrics.horizontalAdvance(tickText(tick)));
    return widest;
}

QString heightTitle()
{
    return PathTimeGraph::tr("height below the axis (twips)");
}

QString pathTitle()
{
    return PathTimeGraph::tr("path length (twips)");
}

QString wavelengthLabel()
{
    return PathTimeGraph::tr("shortest + one wavelength");
}

} // namespace

PathTimeGraph::PathTimeGraph(QWidget *parent) : PlotPanel(parent) {}

void PathTimeGraph::setCloseUp(std::shared_ptr<const CloseUp> closeUp)
{
    m_closeUp = std::move(closeUp);
    update();
}

void PathTimeGraph::setMarkedArrow(int arrow)
{
    if (arrow == m_marked)
        return;
    m_marked = arrow;
    update();
}

QSize PathTimeGraph::minimumContentSize() const
{
    const QFontMetricsF metrics(font());
    // The widest path lengths shown have five digits; the tick labels along the bottom as wide.
    const double tickWidth = metrics.horizontalAdvance(tickText(88888));
    const double left = metrics.height() + tickWidth + tickGap + 4;
    const double texts =
        std::max({metrics.horizontalAdvance(heightTitle()),
                  metrics.horizontalAdvance(wavelengthLabel()) + 12, 3 * (tickWidth + labelGap)});
    // The rotated title along the left, and three ticks with room between them.
    const double plotHeight =
        std::max(metrics.horizontalAdvance(pathTitle()), 5 * metrics.height());
    return {int(std::ceil(left + texts + tickWidth / 2)),
            int(std::ceil(plotHeight + 2 * metrics.height() + 10))};
}

QPointF PathTimeGraph::Frame::toView(double height, double path) const
{
    return {plot.left() + plot.width() * height / Mirror::sampleCount,
            plot.bottom() - plot.height() * (path - low) / span};
}

PathTimeGraph::Frame PathTimeGraph::frame(const QFontMetricsF &metrics) const
{
    Frame frame;
    const std::span<const CloseUp::Arrow> arrows = m_closeUp->arrows();
    const auto [shortest, longest] = std::ranges::minmax(arrows, {}, &CloseUp::Arrow::pathLength);
    frame.shortest = shortest.pathLength;
    frame.wavelength = 2 * std::numbers::pi / m_closeUp->frequency();
    // However flat the curve, the graph spans at least a wavelength: flat is what it is then.
    const double reach = std::max(longest.pathLength - shortest.pathLength, frame.wavelength);
    frame.low = shortest.pathLength - 0.05 * reach;
    frame.span = reach * 1.12;

    const QRectF content = contentRect();
    const double rowsRoom = content.height() - 2 * metrics.height() - 10;
    frame.pathTicks = ticksBetween(frame.low, frame.low + frame.span,
                                   std::clamp(int(rowsRoom / (2 * metrics.height())), 2, 6));
    const double tickWidth = widestTick(metrics, frame.pathTicks);
    const double xHigh = Mirror::sampleCount;
    const double lastTickHalf = metrics.horizontalAdvance(tickText(xHigh)) / 2;
    frame.plot = content.adjusted(metrics.height() + tickWidth + tickGap + 4, 4, -lastTickHalf,
                                  -(2 * metrics.height() + 6));
    // As many ticks along the bottom as their labels leave room between them for.
    const double bottomLabel = metrics.horizontalAdvance(tickText(xHigh)) + labelGap;
    frame.heightTicks =
        ticksBetween(0, xHigh, std::clamp(int(frame.plot.width() / bottomLabel), 1, 6));
    return frame;
}

void PathTimeGraph::paintContent(QPainter &painter)
{
    if (!m_closeUp)
        return;
    const Frame shown = frame(QFontMetricsF(painter.font()));
    paintGrid(painter, shown);
    paintAxisTitles(painter, shown);
    paintWavelength(painter, shown);
    paintCurve(painter, shown);
}

void PathTimeGraph::paintGrid(QPainter &painter, const Frame &frame) const
{
    const QFontMetricsF metrics(painter.font());
    const QRectF &plot = frame.plot;
    const QPen grid(QColor(232, 232, 232), 1);
    for (const double tick : frame.pathTicks) {
        const double y = frame.toView(0, tick).y();
        painter.setPen(grid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(ink());
        const double width = metrics.horizontalAdvance(tickText(tick));
        painter.drawText(QRectF(plot.left() - width - tickGap, y - metrics.height() / 2, width,
                                metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, tickText(tick));
    }
    for (const double tick : frame.heightTicks) {
        const double x = frame.toView(tick, frame.low).x();
        painter.setPen(grid);
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(ink());
        const double width = metrics.horizontalAdvance(tickText(tick));
        painter.drawText(QRectF(x - width / 2, plot.bottom() + 3, width, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, tickText(tick));
    }
    painter.setPen(QPen(ink(), 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
}

void PathTimeGraph::paintAxisTitles(QPainter &painter, const Frame &frame) const
{
    const QFontMetricsF metrics(painter.font());
    const QRectF content = contentRect();
    const QRectF &plot = frame.plot;
    painter.setPen(ink());
    painter.drawText(QRectF(content.left(), content.bottom() - metrics.height(), content.width(),
                            metrics.height()),
                     Qt::AlignHCenter | Qt::AlignBottom, heightTitle());
    painter.save();
    painter.translate(content.left(), plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-content.height() / 2, 0, content.height(), metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, pathTitle());
    painter.restore();
}

void PathTimeGraph::paintWavelength(QPainter &painter, const Frame &frame) const
{
    // One wavelength longer than the shortest path.
    const QFontMetricsF metrics(painter.font());
    const QRectF &plot = frame.plot;
    const double wave = frame.shortest + frame.wavelength;
    const double waveY = frame.toView(0, wave).y();
    painter.setPen(QPen(faintInk(), 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), waveY), QPointF(plot.right(), waveY));
    // Its label at the end where the curve keeps further from it.
    const std::span<const CloseUp::Arrow> arrows = m_closeUp->arrows();
    const bool labelLeft =
        std::abs(arrows.front().pathLength - wave) > std::abs(arrows.back().pathLength - wave);
    painter.setPen(faintInk().darker(130));
    painter.drawText(
        QRectF(plot.left() + 6, waveY - metrics.height() - 1, plot.width() - 12, metrics.height()),
        (labelLeft ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom, wavelengthLabel());
}

void PathTimeGraph::paintCurve(QPainter &painter, const Frame &frame) const
{
    // In the shades of the mirror points; about a point every pixel and a half is as smooth as
    // every arrow, and far quicker.
    const std::span<const CloseUp::Arrow> arrows = m_closeUp->arrows();
    std::vector<QPointF> points;
    const int n = int(arrows.size());
    const int stride = std::max(1, int(1.5 * n / frame.plot.width()));
    for (int first = 0; first < n;) {
        const int shade = MirrorColours::shadeOf(arrows[first].sample);
        int last = first;
        while (last + 1 < n && MirrorColours::shadeOf(arrows[last + 1].sample) == shade)
            ++last;
        points.clear();
        // From the end of the shade before, so that the shades join.
        for (int a = std::max(first - 1, 0);; a = std::min(a + stride, last)) {
            points.push_back(frame.toView(arrows[a].height, arrows[a].pathLength));
            if (a == last)
                break;
        }
        painter.setPen(
            QPen(MirrorColours::shade(shade), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (points.size() == 1)
            painter.drawPoint(points.front());
        else
            painter.drawPolyline(points.data(), int(points.size()));
        first = last + 1;
    }
    const int marked = m_marked >= 0 && m_marked < n ? m_marked : m_closeUp->leastTimeArrow();
    ArrowPainter::ring(painter, frame.toView(arrows[marked].height, arrows[marked].pathLength));
}

} // namespace veltrin
