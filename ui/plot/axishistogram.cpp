// SPDX-License-Identifier: GPL-3.0-or-later
#include "axishistogram.h"

#include <QPainter>
#include <algorithm>
#include <numeric>

namespace veltrin {

AxisHistogram::AxisHistogram(QWidget *parent) : PlotPanel(parent) {}

void AxisHistogram::setBars(std::span<const double> bars, const QColor &colour)
{
    m_bars.assign(bars.begin(), bars.end());
    m_columns.assign(m_bars.size(), 0);
    m_colour = colour;
    update();
}

void AxisHistogram::setCounts(std::span<const qint64> counts, qint64 total)
{
    // A column of n photons out of N stands as high as n/N of all the bars together: the
    // height its bar would have if the photons followed the bars exactly.
    const double sum = std::accumulate(m_bars.begin(), m_bars.end(), 0.0);
    m_columns.assign(m_bars.size(), 0);
    for (std::size_t i = 0; i < std::min(counts.size(), m_columns.size()); ++i)
        m_columns[i] = total > 0 ? sum * double(counts[i]) / double(total) : 0;
    update();
}

void AxisHistogram::setPosition(int position)
{
    m_position = position;
    update();
}

void AxisHistogram::paintContent(QPainter &painter)
{
    if (m_bars.empty())
        return;
    const QRectF area = contentRect();
    const double top =
        std::max(*std::ranges::max_element(m_bars), *std::ranges::max_element(m_columns)) * 1.05;
    if (!(top > 0))
        return;
    const double width = area.width() / double(m_bars.size());
    const auto column = [&](std::size_t i, double height) {
        const double h = area.height() * height / top;
        return QRectF(area.left() + i * width, area.bottom() - h, width, h);
    };

    painter.setRenderHint(QPainter::Antialiasing, false);
    QColor fill = m_colour;
    fill.setAlpha(170);
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i] > 0)
            painter.fillRect(column(i, m_columns[i]), fill);

    // The bars' outline: where the columns are heading.
    QPolygonF outline;
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        const QRectF bar = column(i, m_bars[i]);
        outline << bar.bottomLeft() << bar.topLeft() << bar.topRight() << bar.bottomRight();
    }
    painter.setPen(QPen(ink(), 1));
    painter.drawPolyline(outline);

    if (m_position >= 0 && m_position < int(m_bars.size())) {
        const double x = area.left() + (m_position + 0.5) * width;
        painter.setPen(QPen(faintInk(), 1, Qt::DashLine));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
}

} // namespace veltrin
