// SPDX-License-Identifier: GPL-3.0-or-later
#include "glasslayerview.h"

#include "glasslayer.h"
#include "lightmix.h"
#include "mapimage.h"
#include "percenttext.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace veltrin {

namespace {

/// Arrows head to tail from `start`, each scaled by `scale` pixels per unit of arrow; y upwards.
void drawChain(QPainter &painter, QPointF start, const std::vector<Vec2> &arrows, double scale,
               const QColor &colour)
{
    QPointF at = start;
    painter.setPen(QPen(colour, 1.5));
    for (const Vec2 &arrow : arrows) {
        const QPointF to = at + QPointF(arrow.x * scale, -arrow.y * scale);
        painter.drawLine(at, to);
        at = to;
    }
    painter.setPen(QPen(colour, 2.5));
    painter.drawLine(start, at);
    painter.setBrush(colour);
    painter.drawEllipse(at, 3, 3);
}

} // namespace

GlassLayerView::GlassLayerView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("glassLayerView"));
    setAccessibleName(tr("Glass layer"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    makeCurves();
}

void GlassLayerView::setIndex(double index)
{
    if (index == m_index)
        return;
    m_index = std::clamp(index, GlassLayer::lowestIndex, GlassLayer::highestIndex);
    makeCurves();
}

void GlassLayerView::setThickness(double thickness)
{
    if (thickness == m_thickness)
        return;
    m_thickness = std::clamp(thickness, 0.0, thickest);
    update();
    emit changed();
}

void GlassLayerView::setEchoes(bool echoes)
{
    if (echoes == m_echoes)
        return;
    m_echoes = echoes;
    makeCurves();
}

void GlassLayerView::setWavenumbers(std::vector<double> wavenumbers)
{
    if (wavenumbers == m_wavenumbers)
        return;
    m_wavenumbers = std::move(wavenumbers);
    makeCurves();
}

void GlassLayerView::makeCurves()
{
    m_curves.assign(m_wavenumbers.size(), {});
    for (int i = 0; i <= curveSamples; ++i) {
        const GlassLayer layer(m_index, thickest * i / curveSamples);
        const std::vector<double> all = layer.reflections(m_wavenumbers, m_echoes);
        for (std::size_t w = 0; w < all.size(); ++w)
            m_curves[w].push_back(all[w]);
    }
    // The scale follows the index, in tenths, and stays put while the thickness moves.
    double highest = 0;
    for (const std::vector<double> &curve : m_curves)
        highest = std::max(highest, *std::ranges::max_element(curve));
    m_top = std::clamp(std::ceil(highest * 10 + 1e-9) / 10, 0.1, 1.0);
    update();
    emit changed();
}

double GlassLayerView::reflection() const
{
    const std::vector<double> all =
        GlassLayer(m_index, m_thickness).reflections(m_wavenumbers, m_echoes);
    return std::accumulate(all.begin(), all.end(), 0.0) / double(all.size());
}

double GlassLayerView::transmission() const
{
    if (!m_echoes)
        return 1 - reflection();
    const GlassLayer layer(m_index, m_thickness);
    double sum = 0;
    for (double k : m_wavenumbers)
        sum += layer.transmission(k);
    return sum / double(m_wavenumbers.size());
}

QString GlassLayerView::numbersText() const
{
    return tr("Reflected %1, transmitted %2.")
        .arg(percentText(100 * reflection(), 1), percentText(100 * transmission(), 1));
}

void GlassLayerView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    paintOn(painter, rect());
}

void GlassLayerView::paintOn(QPainter &painter, const QRectF &area) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::black);
    const QRectF top(area.topLeft(), QSizeF(area.width(), area.height() * 0.55));
    const QRectF bottom(top.bottomLeft(), area.bottomRight());
    paintLayer(painter, QRectF(top.topLeft(), QSizeF(top.width() * 0.3, top.height())));
    paintArrows(painter, top.adjusted(top.width() * 0.3, 0, 0, 0));
    paintCurves(painter, bottom.adjusted(40, 8, -12, -24));
    painter.setPen(Qt::white);
    painter.drawText(top.adjusted(8, 8, -8, -8), Qt::AlignTop | Qt::AlignRight, numbersText());
    painter.restore();
}

void GlassLayerView::paintLayer(QPainter &painter, const QRectF &area) const
{
    // Drawn to the scale of the curve below: the whole range of thickness is the column's height.
    const double scale = (area.height() - 30) / thickest;
    const double front = area.top() + 15;
    const QRectF glass(area.left() + 10, front, area.width() - 20,
                       std::max(1.0, m_thickness * scale));
    painter.fillRect(glass, QColor(120, 180, 255, 90));
    painter.setPen(QPen(QColor(160, 210, 255), 1.5));
    painter.drawLine(glass.topLeft(), glass.topRight());
    painter.drawLine(glass.bottomLeft(), glass.bottomRight());
    // The light comes down, straight on, and part of it turns back.
    const double x = glass.center().x();
    painter.setPen(QPen(Qt::yellow, 1.5));
    painter.drawLine(QPointF(x - 6, area.top()), QPointF(x - 6, glass.bottom()));
    painter.drawLine(QPointF(x + 6, glass.bottom()), QPointF(x + 6, area.top()));
}

void GlassLayerView::paintArrows(QPainter &painter, const QRectF &area) const
{
    const double k = m_wavenumbers.front();
    const GlassLayer layer(m_index, m_thickness);
    const std::vector<Vec2> reflected = layer.reflectionArrows(k, m_echoes);
    // A reflection at the scale's top fills nearly half the room, so that the arrows grow as the
    // curve below; the transmitted arrows, nearly the whole light, have a scale of their own.
    painter.save();
    painter.setClipRect(area);
    const double room = std::min(area.width() / 2, area.height());
    const double scale = room * 0.45 / std::sqrt(m_top);
    const QRectF left(area.topLeft(), QSizeF(area.width() / 2, area.height()));
    const QColor colour =
        m_wavenumbers.size() > 1 ? QColor(Qt::white) : MapImage::colourOf(k).lighter(130);
    painter.setPen(Qt::lightGray);
    painter.drawText(left.adjusted(4, 4, -4, -4), Qt::AlignTop | Qt::AlignLeft,
                     m_echoes ? tr("Reflected, every echo") : tr("Front, back and their sum"));
    const QPointF start = left.center();
    if (!m_echoes && m_wavenumbers.size() == 1 && reflected.size() >= 2) {
        // The front surface's arrow, turned round, and the back's from its head.
        const QPointF frontEnd = start + QPointF(reflected[0].x * scale, -reflected[0].y * scale);
        const QPointF backEnd = frontEnd + QPointF(reflected[1].x * scale, -reflected[1].y * scale);
        painter.setPen(QPen(QColor(255, 140, 140), 2));
        painter.drawLine(start, frontEnd);
        painter.setPen(QPen(QColor(140, 200, 255), 2));
        painter.drawLine(frontEnd, backEnd);
        painter.setPen(QPen(colour, 2.5));
        painter.drawLine(start, backEnd);
        painter.setBrush(colour);
        painter.drawEllipse(backEnd, 3, 3);
        painter.setPen(Qt::lightGray);
        painter.drawText(frontEnd + QPointF(4, -4), tr("front"));
        painter.drawText(backEnd + QPointF(4, 12), tr("back"));
    } else {
        // White light: each colour's chain in its colour.
        for (double each : m_wavenumbers)
            drawChain(painter, start, layer.reflectionArrows(each, m_echoes), scale,
                      m_wavenumbers.size() > 1 ? MapImage::colourOf(each) : colour);
    }
    if (m_echoes) {
        const QRectF right(left.topRight(), area.bottomRight());
        painter.setPen(Qt::lightGray);
        painter.drawText(right.adjusted(4, 4, -4, -4), Qt::AlignTop | Qt::AlignLeft,
                         tr("Transmitted"));
        // Through arrows are nearly one long: from the middle they reach less than half the room.
        for (double each : m_wavenumbers)
            drawChain(painter, right.center(), layer.transmissionArrows(each), room * 0.45,
                      m_wavenumbers.size() > 1 ? MapImage::colourOf(each) : colour);
    }
    painter.restore();
}

void GlassLayerView::paintCurves(QPainter &painter, const QRectF &area) const
{
    const bool white = m_wavenumbers.size() > 1;
    // White light's colour of the layer along the thickness, under the curves.
    const QRectF band(area.left(), area.bottom() - 10, area.width(), 10);
    const QRectF plot = white ? area.adjusted(0, 0, 0, -14) : area;
    painter.setPen(QColor(255, 255, 255, 120));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    const double top = m_top;
    auto pixelOf = [&](int sample, double value) {
        return QPointF(plot.left() + plot.width() * sample / curveSamples,
                       plot.bottom() - plot.height() * std::min(value, top) / top);
    };
    for (std::size_t w = 0; w < m_curves.size(); ++w) {
        QPainterPath path(pixelOf(0, m_curves[w][0]));
        for (int i = 1; i <= curveSamples; ++i)
            path.lineTo(pixelOf(i, m_curves[w][std::size_t(i)]));
        painter.setPen(QPen(MapImage::colourOf(m_wavenumbers[w]), white ? 1 : 2));
        painter.drawPath(path);
    }
    if (white) {
        const LightMix mix(m_wavenumbers);
        std::vector<double> values(m_wavenumbers.size());
        for (int i = 0; i < curveSamples; ++i) {
            for (std::size_t w = 0; w < values.size(); ++w)
                values[w] = m_curves[w][std::size_t(i)];
            const double x = band.left() + band.width() * i / curveSamples;
            painter.fillRect(QRectF(x, band.top(), band.width() / curveSamples + 1, band.height()),
                             QColor(mix.colourOf(values, top / 2)));
        }
    }
    const double x = plot.left() + plot.width() * m_thickness / thickest;
    painter.setPen(QPen(Qt::white, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, area.bottom()));
    painter.setPen(Qt::lightGray);
    const QLocale locale;
    painter.drawText(QRectF(plot.left() - 40, plot.top() - 6, 36, 14),
                     Qt::AlignRight | Qt::AlignVCenter, percentText(100 * top, 0));
    painter.drawText(QRectF(plot.left() - 40, plot.bottom() - 8, 36, 14),
                     Qt::AlignRight | Qt::AlignVCenter, percentText(0, 0));
    painter.drawText(QRectF(plot.left(), area.bottom() + 2, plot.width(), 18),
                     Qt::AlignHCenter | Qt::AlignTop,
                     tr("Reflection against the thickness, 0 to %1 twips")
                         .arg(locale.toString(thickest, 'f', 0)));
}

} // namespace veltrin
