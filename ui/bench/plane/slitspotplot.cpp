// SPDX-License-Identifier: GPL-3.0-or-later
#include "slitspotplot.h"

#include "experiment.h"
#include "slitspot.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace veltrin {

namespace {

constexpr int curvePoints = 32;
/// The widest spot measured: eight times the map's height, so that all but the narrowest slits'
/// spots still grow as the slit narrows.
constexpr double widestSpot = 16 * MapExtent().halfHeight;
/// The narrowest spot the plot shows.
constexpr double narrowestSpot = 500;

double spotOf(double slitWidth, Source source, double wavenumber)
{
    return SlitSpot::width(slitWidth, source, wavenumber, Slits::mapEnd, widestSpot / 2);
}

} // namespace

SlitSpotPlot::SlitSpotPlot(QWidget *parent) : PlotPanel(parent)
{
    setObjectName(QStringLiteral("slitSpot"));
    setTitle(tr("One slit's spot against its width"));
}

void SlitSpotPlot::showFor(const Experiment &experiment)
{
    // White light's spot is drawn for its middle colour.
    const double wavenumber =
        experiment.whiteLight ? (Experiment::lowestWavenumber + Experiment::highestWavenumber) / 2
                              : experiment.wavenumber;
    const Light light{experiment.source, wavenumber};
    if (light != m_light) {
        m_light = light;
        m_widths.clear();
        m_spots.clear();
        // Evenly on a scale of powers of ten, from the narrowest slit to the widest.
        const double ratio = std::log(Slits::widest / Slits::narrowest);
        for (int i = 0; i < curvePoints; ++i) {
            const double width = Slits::narrowest * std::exp(ratio * i / (curvePoints - 1));
            m_widths.push_back(width);
            m_spots.push_back(spotOf(width, light.source, wavenumber));
        }
        m_presentWidth = 0;
    }
    if (experiment.slitWidth != m_presentWidth) {
        m_presentWidth = experiment.slitWidth;
        m_presentSpot = spotOf(m_presentWidth, light.source, wavenumber);
    }
    update();
}

void SlitSpotPlot::paintContent(QPainter &painter)
{
    if (m_widths.empty())
        return;
    const int text = painter.fontMetrics().height();
    const QRectF area = QRectF(contentRect()).adjusted(2, 2, -2, -2 - 2 * text);
    // Both ways on scales of powers of ten: a narrow slit's spot falls as a straight line as
    // the slit widens, a wide one's rises as one.
    const double decades = std::log10(Slits::widest / Slits::narrowest);
    const double spotDecades = std::log10(widestSpot / narrowestSpot);
    auto pixel = [&](double width, double spot) {
        const double up = std::log10(std::max(spot, narrowestSpot) / narrowestSpot) / spotDecades;
        return QPointF(area.left() + area.width() * std::log10(width / Slits::narrowest) / decades,
                       area.bottom() - area.height() * up);
    };
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(faintInk(), 1));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    const QLocale locale;
    for (double width : {10.0, 100.0, 1000.0}) {
        const QPointF at = pixel(width, 0);
        painter.drawLine(at, at + QPointF(0, 3));
        painter.drawText(QRectF(at.x() - 30, at.y() + 3, 60, text), Qt::AlignHCenter | Qt::AlignTop,
                         locale.toString(width, 'f', 0));
    }
    // The map's height: a spot above the line is wider than the map.
    const double mapHeight = 2 * MapExtent().halfHeight;
    painter.setPen(QPen(faintInk(), 1, Qt::DashLine));
    painter.drawLine(pixel(Slits::narrowest, mapHeight), pixel(Slits::widest, mapHeight));
    QPainterPath path(pixel(m_widths[0], m_spots[0]));
    for (std::size_t i = 1; i < m_widths.size(); ++i)
        path.lineTo(pixel(m_widths[i], m_spots[i]));
    painter.strokePath(path, QPen(QColor(30, 90, 200), 2));
    // The present slit, on its curve.
    const QPointF present = pixel(m_presentWidth, m_presentSpot);
    painter.setPen(QPen(QColor(255, 140, 0), 1, Qt::DashLine));
    painter.drawLine(QPointF(present.x(), area.top()), QPointF(present.x(), area.bottom()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 140, 0));
    painter.drawEllipse(present, 4, 4);
    painter.setPen(ink());
    painter.drawText(QRectF(area.left(), area.bottom() + 3 + text, area.width(), text),
                     Qt::AlignLeft | Qt::AlignTop,
                     tr("slit width, twips; dashed: the map's height"));
}

} // namespace veltrin
