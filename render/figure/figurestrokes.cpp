// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurestrokes.h"

#include "choices.h"
#include "twips.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <utility>

namespace veltrin {

namespace {

/// Points closer than this to the last one kept are left out: far below what a figure shows.
constexpr qreal tolerance = 0.25;

QPointF toPixels(PointF point)
{
    return {point.x / double(twipsPerPixel), point.y / double(twipsPerPixel)};
}

QRectF reach(QPointF a, QPointF b, qreal width)
{
    const qreal half = width / 2;
    return QRectF(a, b).normalized().adjusted(-half, -half, half, half);
}

/// The point on a grid of tenths of a pixel, which a vector file writes in few digits.
QPointF onGrid(QPointF point)
{
    return {std::round(point.x() * 10) / 10, std::round(point.y() * 10) / 10};
}

/// The polyline with only the points at least the tolerance from the point kept before them,
/// and its last point, each on the grid.
QPolygonF simplified(const QPolygonF &points)
{
    if (points.size() <= 2)
        return points;
    QPolygonF kept{points.front()};
    for (qsizetype i = 1; i + 1 < points.size(); ++i) {
        if (QLineF(kept.back(), points[i]).length() >= tolerance)
            kept << points[i];
    }
    kept << points.back();
    for (QPointF &point : kept)
        point = onGrid(point);
    return kept;
}

/// The part of the segment from a to b within the area, as parameters from 0 (a) to 1 (b), or
/// nothing.
std::optional<std::pair<qreal, qreal>> inside(QPointF a, QPointF b, const QRectF &area)
{
    qreal low = 0, high = 1;
    const QPointF d = b - a;
    const auto limit = [&low, &high](qreal p, qreal q) {
        if (p == 0)
            return q >= 0;
        const qreal t = q / p;
        if (p < 0)
            low = std::max(low, t);
        else
            high = std::min(high, t);
        return low <= high;
    };
    if (limit(-d.x(), a.x() - area.left()) && limit(d.x(), area.right() - a.x()) &&
        limit(-d.y(), a.y() - area.top()) && limit(d.y(), area.bottom() - a.y()))
        return std::pair{low, high};
    return std::nullopt;
}

/// The parts of the polylines that lie outside the area.
std::vector<QPolygonF> outside(const std::vector<QPolygonF> &pieces, const QRectF &area)
{
    std::vector<QPolygonF> kept;
    for (const QPolygonF &piece : pieces) {
        if (!piece.boundingRect().intersects(area) && !area.contains(piece.front())) {
            kept.push_back(piece);
            continue;
        }
        if (piece.size() == 1) {
            if (!area.contains(piece.front()))
                kept.push_back(piece);
            continue;
        }
        QPolygonF current;
        const auto close = [&kept, &current] {
            if (current.size() > 1)
                kept.push_back(current);
            current.clear();
        };
        for (qsizetype i = 1; i < piece.size(); ++i) {
            const QPointF a = piece[i - 1], b = piece[i];
            const auto in = inside(a, b, area);
            if (!in) {
                if (current.isEmpty())
                    current << a;
                current << b;
                continue;
            }
            const auto [low, high] = *in;
            if (low > 0) {
                if (current.isEmpty())
                    current << a;
                current << a + (b - a) * low;
            }
            close();
            if (high < 1)
                current << a + (b - a) * high << b;
        }
        close();
    }
    return kept;
}

} // namespace

FigureStrokes::FigureStrokes(SceneStyle style) : m_style(std::move(style))
{
    for (int i = 0; i < fieldCount; ++i)
        m_fields[i] = loadedText(Field(i));
}

void FigureStrokes::setPenWidth(int pixels)
{
    m_penWidth = pixels;
}

void FigureStrokes::drawLine(PointF from, PointF to, Colour colour)
{
    const qreal width = m_style.penWidth(m_penWidth, colour);
    const QPointF a = toPixels(from), b = toPixels(to);
    if (colour == Colour::silver()) {
        erase(reach(a, b, width));
        return;
    }
    if (covered(reach(a, b, width + 2)))
        return;
    const QRgb shown = m_style.shown(colour);
    // Painted again on top, the line looks as if only this one were there.
    const LineKey key{from, to, shown, width};
    if (const auto earlier = m_lines.constFind(key); earlier != m_lines.constEnd())
        m_strokes[*earlier].pieces.clear();
    m_lines.insert(key, m_strokes.size());
    append({shown, width, {a == b ? QPolygonF{a} : QPolygonF{a, b}}, {}, 0});
}

void FigureStrokes::drawCircle(PointF centre, float radius)
{
    const qreal width = m_style.penWidth(m_penWidth, Colour::foreground());
    const QPointF c = toPixels(centre);
    const qreal r = radius / double(twipsPerPixel);
    if (covered(reach(c, c, 2 * r + width + 2)))
        return;
    eraseNow();
    // A circle whose centre lies within the ring of one just before makes with it a band as
    // wide as the rings, without a gap: the mirror's samples.
    const qreal join = r - width / 2;
    for (const std::size_t index : m_bands) {
        Stroke &band = m_strokes[index];
        if (band.radius != r || band.width != (band.centre ? width : 2 * r + width))
            continue;
        const QPointF last = band.centre ? *band.centre : band.pieces.back().back();
        if (QLineF(last, c).length() > join)
            continue;
        if (band.centre) {
            band.pieces = {QPolygonF{*band.centre, c}};
            band.centre.reset();
            band.width = 2 * r + width;
        } else {
            band.pieces.back() << c;
        }
        return;
    }
    if (join > 0) {
        if (m_bands.size() == 4)
            m_bands.erase(m_bands.begin());
        m_bands.push_back(m_strokes.size());
    }
    m_strokes.push_back({m_style.shown(Colour::foreground()), width, {}, c, r});
}

void FigureStrokes::drawChain(std::span<const PointF> points)
{
    if (points.empty())
        return;
    const qreal width = m_style.penWidth(m_penWidth, Colour::foreground());
    QPolygonF line;
    line.reserve(points.size());
    for (const PointF point : points)
        line << toPixels(point);
    if (covered(line.boundingRect().adjusted(-width / 2 - 1, -width / 2 - 1, width / 2 + 1,
                                             width / 2 + 1)))
        return;
    append({m_style.shown(Colour::foreground()), width, {simplified(line)}, {}, 0});
}

QString FigureStrokes::text(Field field) const
{
    return m_fields[static_cast<int>(field)];
}

void FigureStrokes::setText(Field field, const QString &text)
{
    m_fields[static_cast<int>(field)] = text;
}

bool FigureStrokes::askYesNo(const QString &)
{
    return false;
}

void FigureStrokes::setCoveredLater(std::optional<RectF> area)
{
    if (!area) {
        m_covered.reset();
        return;
    }
    // A pixel in from each side, as the window's drawing leaves out.
    m_covered = QRectF(toPixels(area->topLeft), toPixels(area->bottomRight))
                    .normalized()
                    .adjusted(1, 1, -1, -1);
}

bool FigureStrokes::leavesOut(RectF bounds, int penPixels) const
{
    const qreal width = m_style.penWidth(penPixels, Colour::foreground());
    return covered(reach(toPixels(bounds.topLeft), toPixels(bounds.bottomRight), width + 2));
}

bool FigureStrokes::covered(const QRectF &pixels) const
{
    return m_covered && m_covered->contains(pixels);
}

void FigureStrokes::append(Stroke stroke)
{
    eraseNow();
    m_strokes.push_back(std::move(stroke));
}

void FigureStrokes::erase(const QRectF &area)
{
    // The band a later run erases comes as thousands of overlapping lines: one area.
    if (m_erasing && qFuzzyCompare(m_erasing->left(), area.left()) &&
        qFuzzyCompare(m_erasing->right(), area.right()) && area.top() <= m_erasing->bottom() &&
        area.bottom() >= m_erasing->top()) {
        *m_erasing |= area;
        return;
    }
    eraseNow();
    m_erasing = area;
}

void FigureStrokes::eraseNow()
{
    if (!m_erasing)
        return;
    const QRectF area = *std::exchange(m_erasing, std::nullopt);
    for (Stroke &stroke : m_strokes) {
        if (stroke.centre) {
            if (area.contains(*stroke.centre))
                stroke.centre.reset();
        } else if (!stroke.pieces.empty()) {
            stroke.pieces = outside(stroke.pieces, area);
        }
    }
    m_bands.clear();
}

std::vector<FigureStrokes::Stroke> FigureStrokes::strokes()
{
    eraseNow();
    std::vector<Stroke> shown;
    for (const Stroke &stroke : m_strokes) {
        if (!stroke.centre && stroke.pieces.empty())
            continue;
        shown.push_back(stroke);
        for (QPolygonF &piece : shown.back().pieces)
            piece = simplified(piece);
    }
    return shown;
}

QRectF FigureStrokes::bounds(const std::vector<Stroke> &strokes)
{
    QRectF united;
    for (const Stroke &stroke : strokes) {
        const qreal half = stroke.width / 2;
        if (stroke.centre) {
            const qreal r = stroke.radius + half;
            united |= QRectF(*stroke.centre - QPointF(r, r), QSizeF(2 * r, 2 * r));
        }
        for (const QPolygonF &piece : stroke.pieces)
            united |= piece.boundingRect().adjusted(-half, -half, half, half);
    }
    return united;
}

} // namespace veltrin
