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
#include <vector>

namespace veltrin {

namespace {

/// Round values from `low` to `high`, about `most` of them, 1, 2 or 5 times a power of ten
/// apart.
std::vector<double> ticksBetween(double low, double high, int most)
{
    const double rough = (high - low) / most;
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

} // namespace

PathTimeGraph::PathTimeGraph(QWidget *parent) : PlotPanel(parent) {}

void PathTimeGraph::setCloseUp(const CloseUp *closeUp)
{
    m_closeUp = closeUp;
    update();
}

void PathTimeGraph::setMarkedArrow(int arrow)
{
    if (arrow == m_marked)
        return;
    m_marked = arrow;
    update();
}

void PathTimeGraph::paintContent(QPainter &painter)
{
    if (!m_closeUp)
        return;
    const std::span<const CloseUp::Arrow> arrows = m_closeUp->arrows();
    const auto [shortest, longest] = std::ranges::minmax(arrows, {}, &CloseUp::Arrow::pathLength);
    const double wavelength = 2 * std::numbers::pi / m_closeUp->frequency();
    // However flat the curve, the graph spans at least a wavelength: flat is what it is then.
    const double reach = std::max(longest.pathLength - shortest.pathLength, wavelength);
    const double low = shortest.pathLength - 0.05 * reach;
    const double span = reach * 1.12;
    const double xHigh = Mirror::sampleCount;

    const QLocale locale;
    const QFontMetricsF metrics(painter.font());
    const std::vector<double> yTicks = ticksBetween(low, low + span, 5);
    double tickWidth = 0;
    for (const double tick : yTicks)
        tickWidth = std::max(tickWidth, metrics.horizontalAdvance(locale.toString(tick, 'f', 0)));
    const QRectF content = contentRect();
    // Room on the right for half the last tick label along the bottom.
    const double lastTickHalf = metrics.horizontalAdvance(locale.toString(xHigh, 'f', 0)) / 2;
    const QRectF plot = content.adjusted(metrics.height() + tickWidth + 10, 4, -lastTickHalf,
                                         -(2 * metrics.height() + 6));
    const auto toView = [&](double height, double path) {
        return QPointF(plot.left() + plot.width() * height / xHigh,
                       plot.bottom() - plot.height() * (path - low) / span);
    };

    // Grid and tick labels.
    for (const double tick : yTicks) {
        const double y = toView(0, tick).y();
        painter.setPen(QPen(QColor(232, 232, 232), 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(ink());
        painter.drawText(QRectF(plot.left() - tickWidth - 6, y - metrics.height() / 2, tickWidth,
                                metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, locale.toString(tick, 'f', 0));
    }
    for (const double tick : ticksBetween(0, xHigh, 6)) {
        const double x = toView(tick, low).x();
        painter.setPen(QPen(QColor(232, 232, 232), 1));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(ink());
        painter.drawText(QRectF(x - 40, plot.bottom() + 3, 80, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, locale.toString(tick, 'f', 0));
    }
    painter.setPen(QPen(ink(), 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    // Axis labels.
    painter.drawText(
        QRectF(plot.left(), content.bottom() - metrics.height(), plot.width(), metrics.height()),
        Qt::AlignHCenter | Qt::AlignBottom, tr("height below the axis (twips)"));
    painter.save();
    painter.translate(content.left(), plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, tr("path length (twips)"));
    painter.restore();

    // One wavelength longer than the shortest path.
    const double wave = shortest.pathLength + wavelength;
    const double waveY = toView(0, wave).y();
    painter.setPen(QPen(faintInk(), 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), waveY), QPointF(plot.right(), waveY));
    // Its label at the end where the curve keeps further from it.
    const bool labelLeft =
        std::abs(arrows.front().pathLength - wave) > std::abs(arrows.back().pathLength - wave);
    painter.setPen(faintInk().darker(130));
    painter.drawText(
        QRectF(plot.left() + 6, waveY - metrics.height() - 1, plot.width() - 12, metrics.height()),
        (labelLeft ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom,
        tr("shortest + one wavelength"));

    // The curve, in the shades of the mirror points; about a point every pixel and a half is
    // as smooth as every arrow, and far quicker.
    std::vector<QPointF> points;
    const int n = int(arrows.size());
    const int stride = std::max(1, int(1.5 * n / plot.width()));
    for (int first = 0; first < n;) {
        const int shade = MirrorColours::shadeOf(arrows[first].sample);
        int last = first;
        while (last + 1 < n && MirrorColours::shadeOf(arrows[last + 1].sample) == shade)
            ++last;
        points.clear();
        // From the end of the shade before, so that the shades join.
        for (int a = std::max(first - 1, 0);; a = std::min(a + stride, last)) {
            points.push_back(toView(arrows[a].height, arrows[a].pathLength));
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
    ArrowPainter::ring(painter, toView(arrows[marked].height, arrows[marked].pathLength));
}

} // namespace veltrin
