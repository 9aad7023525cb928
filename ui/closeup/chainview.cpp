// SPDX-License-Identifier: GPL-3.0-or-later
#include "chainview.h"

#include "arrowpainter.h"
#include "closeup.h"
#include "mirrorcolours.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

namespace veltrin {

namespace {

constexpr double hoverReach = 6; // pixels from an arrow that still count as over it

QPointF toQt(Vec2 point)
{
    return {point.x, point.y};
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

/// The round length (1, 2 or 5 times a power of ten) nearest below `most`.
double roundLengthBelow(double most)
{
    const double power = std::pow(10.0, std::floor(std::log10(most)));
    for (const double factor : {5.0, 2.0, 1.0}) {
        if (factor * power <= most)
            return factor * power;
    }
    return power;
}

} // namespace

ChainView::ChainView(QWidget *parent) : PlotPanel(parent)
{
    setMouseTracking(true);
}

QSize ChainView::minimumContentSize() const
{
    // The scale bar and its length beside it, and room for a chain above.
    const QFontMetrics metrics = fontMetrics();
    return {std::max(220, 130 + metrics.horizontalAdvance(tr("%1 twips").arg(88888))),
            std::max(200, 8 * metrics.height())};
}

void ChainView::setCloseUp(std::shared_ptr<const CloseUp> closeUp)
{
    m_closeUp = std::move(closeUp);
    updateHovered();
    update();
}

void ChainView::setResultantColour(const QColor &colour)
{
    m_resultantColour = colour;
    update();
}

void ChainView::setMarkedArrow(int arrow)
{
    if (arrow == m_marked)
        return;
    m_marked = arrow;
    update();
}

void ChainView::setCommonExtent(double twips)
{
    if (twips == m_commonExtent)
        return;
    m_commonExtent = twips;
    updateHovered();
    update();
}

QTransform ChainView::chainToView() const
{
    if (!m_closeUp)
        return {};
    const std::span<const Vec2> chain = m_closeUp->chain();
    const auto [minX, maxX] = std::ranges::minmax(chain, {}, &Vec2::x);
    const auto [minY, maxY] = std::ranges::minmax(chain, {}, &Vec2::y);
    const QRectF bounds(QPointF(minX.x, minY.y), QPointF(maxX.x, maxY.y));
    // Room for the resultant's head and the marker ring at the edges.
    const QRectF room = QRectF(contentRect()).adjusted(12, 12, -12, -12);
    const double width = m_commonExtent > 0 ? m_commonExtent : bounds.width();
    const double height = m_commonExtent > 0 ? m_commonExtent : bounds.height();
    const double scale =
        std::min(room.width() / std::max(width, 1e-6), room.height() / std::max(height, 1e-6));
    QTransform transform;
    transform.translate(room.center().x(), room.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform;
}

void ChainView::paintContent(QPainter &painter)
{
    if (!m_closeUp)
        return;
    const QTransform toView = chainToView();
    painter.save();
    painter.setClipRect(contentRect());
    paintArrows(painter, toView);
    paintResultant(painter, toView);
    const std::span<const Vec2> chain = m_closeUp->chain();
    if (m_marked >= 0 && m_marked + 1 < int(chain.size())) {
        const QPointF middle = (toQt(chain[m_marked]) + toQt(chain[m_marked + 1])) / 2;
        ArrowPainter::ring(painter, toView.map(middle));
    }
    painter.restore();
    paintScaleBar(painter, toView);
}

void ChainView::paintArrows(QPainter &painter, const QTransform &toView) const
{
    const std::span<const CloseUp::Arrow> arrows = m_closeUp->arrows();
    const std::span<const Vec2> chain = m_closeUp->chain();
    const double pixels = m_closeUp->arrowLength() * toView.m11();
    const bool headed = pixels >= smallestHeadedArrow;
    const double headLength = std::clamp(0.35 * pixels, 4.0, 10.0);

    std::vector<QPointF> points(chain.size());
    std::ranges::transform(chain, points.begin(), [&](Vec2 p) { return toView.map(toQt(p)); });

    // Neighbouring arrows of one shade go as one line. Arrows shorter than about a pixel are
    // joined into segments about a pixel long, which look the same and stroke far faster.
    std::vector<QPointF> line;
    const int n = int(arrows.size());
    for (int first = 0; first < n;) {
        const int shade = MirrorColours::shadeOf(arrows[first].sample);
        int last = first;
        while (last + 1 < n && MirrorColours::shadeOf(arrows[last + 1].sample) == shade)
            ++last;
        line.assign(1, points[std::size_t(first)]);
        for (int a = first + 1; a <= last + 1; ++a) {
            const QPointF step = points[std::size_t(a)] - line.back();
            if (a == last + 1 || headed || step.manhattanLength() >= 1.2)
                line.push_back(points[std::size_t(a)]);
        }
        const QColor colour = MirrorColours::shade(shade);
        painter.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
        painter.drawPolyline(line.data(), int(line.size()));
        if (headed) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            for (int a = first; a <= last; ++a)
                ArrowPainter::head(painter, points[std::size_t(a)], points[std::size_t(a) + 1],
                                   headLength);
            painter.setBrush(Qt::NoBrush);
        }
        first = last + 1;
    }
}

void ChainView::paintResultant(QPainter &painter, const QTransform &toView) const
{
    const std::span<const Vec2> chain = m_closeUp->chain();
    const QPointF tail = toView.map(toQt(chain.front()));
    const QPointF tip = toView.map(toQt(chain.back()));
    const QPointF along = tip - tail;
    const double length = std::hypot(along.x(), along.y());
    if (length < 1)
        return;
    const double headLength = std::min(16.0, 0.5 * length);
    const QPointF shaftEnd = tip - along / length * (0.8 * headLength);
    // A dark rim keeps the light bar colours readable on white.
    for (const auto &[colour, width] : {std::pair{ink(), 6.0}, std::pair{m_resultantColour, 3.5}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(tail, shaftEnd);
    }
    painter.setPen(QPen(ink(), 1.2));
    painter.setBrush(m_resultantColour);
    ArrowPainter::head(painter, tail, tip, headLength);
    painter.setBrush(Qt::NoBrush);
}

void ChainView::paintScaleBar(QPainter &painter, const QTransform &toView) const
{
    const double pixelsPerTwip = toView.m11();
    if (pixelsPerTwip <= 0)
        return;
    const double twips = roundLengthBelow(120 / pixelsPerTwip);
    const double length = twips * pixelsPerTwip;
    const QRect content = contentRect();
    const QPointF left(content.left() + 2, content.bottom() - 4);
    const QPointF right = left + QPointF(length, 0);
    painter.setPen(QPen(ink(), 1.5));
    painter.drawLine(left, right);
    painter.drawLine(left, left - QPointF(0, 5));
    painter.drawLine(right, right - QPointF(0, 5));
    const QString text = tr("%1 twips").arg(QLocale().toString(twips, 'g', 6));
    const QFontMetricsF metrics(painter.font());
    painter.drawText(QRectF(right.x() + 6, content.bottom() - metrics.height(),
                            metrics.horizontalAdvance(text) + 2, metrics.height()),
                     Qt::AlignLeft | Qt::AlignBottom, text);
}

void ChainView::mouseMoveEvent(QMouseEvent *event)
{
    m_pointer = event->position();
    updateHovered();
}

void ChainView::leaveEvent(QEvent *)
{
    m_pointer = {-1, -1};
    updateHovered();
}

void ChainView::resizeEvent(QResizeEvent *)
{
    updateHovered();
}

void ChainView::updateHovered()
{
    const int hovered = rect().contains(m_pointer.toPoint()) ? arrowAt(m_pointer) : -1;
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    emit hoveredArrowChanged(hovered);
}

int ChainView::arrowAt(QPointF pixel) const
{
    if (!m_closeUp || !contentRect().contains(pixel.toPoint()))
        return -1;
    bool invertible = false;
    const QTransform toChain = chainToView().inverted(&invertible);
    if (!invertible)
        return -1;
    const QPointF at = toChain.map(pixel);
    const double reach = hoverReach * toChain.m11();
    const std::span<const Vec2> chain = m_closeUp->chain();
    int nearest = -1;
    double nearestDistance = reach;
    for (std::size_t a = 0; a + 1 < chain.size(); ++a) {
        const double distance = distanceToSegment(at, toQt(chain[a]), toQt(chain[a + 1]));
        if (distance <= nearestDistance) {
            nearest = int(a);
            nearestDistance = distance;
        }
    }
    return nearest;
}

} // namespace veltrin
