// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenepainter.h"

#include "picture.h"
#include "surfaceerror.h"
#include "twips.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace veltrin {

namespace {

/// Whether a stroke from a to b stays within a pixel, too short for QPainter to place exactly.
bool shorterThanPixel(PointF a, PointF b)
{
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    return dx * dx + dy * dy < twipsPerPixel * twipsPerPixel;
}

QPointF toPixels(PointF point)
{
    return {point.x / double(twipsPerPixel), point.y / double(twipsPerPixel)};
}

/// The pixels a stroke from a to b may touch, with room for the pen's round ends.
QRect strokeBounds(QPointF a, QPointF b, double reach)
{
    const QRectF box = QRectF(a, b).normalized().adjusted(-reach, -reach, reach, reach);
    return box.toAlignedRect();
}

/// More than the whole image, in its logical pixels.
QRectF wholePicture(const QImage &image)
{
    return QRectF(QPointF(-1, -1), image.deviceIndependentSize() + QSizeF(2, 2));
}

QPen strokePen(QRgb colour, qreal width)
{
    return QPen(QColor::fromRgba(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

/// The pixel column or row a coordinate in pixels lies in, its floor, without the library's
/// call. Far off the picture all pixels are alike; the bound keeps the conversion defined.
int pixelFloor(double pixels)
{
    constexpr int bound = 1 << 28;
    if (!(std::abs(pixels) < bound))
        return pixels > 0 ? bound : -bound;
    const int truncated = int(pixels);
    return truncated - (pixels < truncated);
}

/// The pixel column or row a coordinate in twips lies in: floor(twips / 15). Dividing rather
/// than multiplying by 1/15 puts a point on a pixel edge exactly into the next pixel.
int pixelOf(float twips)
{
    return pixelFloor(double(twips) / twipsPerPixel);
}

/// The colours of the style's recoloured bars, which lines beneath them leave.
std::vector<QRgb> barColours(const SceneStyle &style)
{
    std::vector<QRgb> colours;
    for (const SceneStyle::Recolour &bar : style.bars)
        colours.push_back(bar.to | 0xff000000);
    return colours;
}

} // namespace

ScenePainter::ScenePainter(QImage &image, SceneStyle style)
    : m_image(image), m_style(std::move(style)), m_raster(image),
      m_lineShape(strokePen(qRgb(255, 255, 255), m_penWidth))
{
    m_raster.setKept(barColours(m_style));
}

void ScenePainter::setStyle(SceneStyle style)
{
    m_style = std::move(style);
    m_raster.setKept(barColours(m_style));
    m_penColour.reset();
}

QPainter &ScenePainter::painter()
{
    if (!m_painter) {
        m_painter.emplace();
        if (!m_painter->begin(&m_image)) {
            m_painter.reset();
            throw SurfaceError(
                QCoreApplication::translate("ScenePainter", "Cannot draw on the picture"));
        }
        followPictureRatio(*m_painter, m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        // With a clip of its own, however wide, Qt sets the pixels of thin strokes straight
        // into the picture rather than through its span functions: the same pixels, and the
        // mirror's thousands of small circles in half the time.
        m_painter->setClipRect(wholePicture(m_image));
        m_penColour.reset();
    }
    return *m_painter;
}

QRegion ScenePainter::finish()
{
    m_painter.reset();
    m_raster.forget(); // the picture may be drawn on otherwise until the next call
    return m_dirty.take();
}

void ScenePainter::usePen(Colour colour, qreal width)
{
    QPainter &p = painter();
    if (m_penColour == colour && p.pen().widthF() == width)
        return;
    p.setPen(strokePen(m_style.shown(colour), width));
    p.setBrush(Qt::NoBrush);
    m_penColour = colour;
}

void ScenePainter::setPenWidth(int pixels)
{
    if (pixels < 1)
        throw SurfaceError(
            QCoreApplication::translate("ScenePainter", "A pen %1 pixels wide cannot draw")
                .arg(pixels));
    m_penWidth = pixels;
    m_lineShape = strokePen(qRgb(255, 255, 255), pixels);
}

void ScenePainter::setCoveredLater(std::optional<RectF> area)
{
    if (!area) {
        m_covered.reset();
        return;
    }
    // A pixel in from each side: what is painted over is surely painted over.
    const QRectF pixels(toPixels(area->topLeft), toPixels(area->bottomRight));
    m_covered =
        QRect(QPoint(int(std::ceil(pixels.left())) + 1, int(std::ceil(pixels.top())) + 1),
              QPoint(int(std::floor(pixels.right())) - 1, int(std::floor(pixels.bottom())) - 1));
}

bool ScenePainter::leavesOut(RectF bounds, int penPixels) const
{
    const qreal width = widthOf(penPixels, Colour::foreground());
    return covered(
        strokeBounds(toPixels(bounds.topLeft), toPixels(bounds.bottomRight), width / 2.0 + 1));
}

void ScenePainter::drawLine(PointF from, PointF to, Colour colour)
{
    painter();
    const qreal width = widthOf(m_penWidth, colour);
    if (m_covered && covered(strokeBounds(toPixels(from), toPixels(to), width / 2.0 + 1)))
        return;
    const QRgb shown = m_style.shown(colour);
    // The incoming rays are drawn again at every position in the foreground's colour.
    const bool underBars = m_style.raysUnderBars && colour.kind() != Colour::Kind::Rgb;
    if (width == 1 && shorterThanPixel(from, to)) {
        // QPainter's aliased lines misplace or drop such short strokes; mark their pixels.
        const PointF ends[] = {from, to};
        markPixels(ends, shown);
        return;
    }
    const QPointF a = toPixels(from);
    const QPointF b = toPixels(to);
    if (drawsItself(width, shown)) {
        const double ratio = m_image.devicePixelRatio();
        m_raster.line(a * ratio, b * ratio, width * ratio, shown, underBars);
        markDevicePixels(m_raster.takeChanged());
        return;
    }
    if (fillFromMemo(a, b, width, shown, underBars))
        return;
    usePen(colour, width);
    const QRect bounds = strokeBounds(a, b, width / 2.0 + 1);
    if (!underBars) {
        m_painter->drawLine(a, b);
    } else {
        const QRect device = toDevicePixels(bounds);
        const QImage before = m_image.copy(device);
        m_painter->drawLine(a, b);
        putBarsBack(before, device.topLeft());
    }
    m_raster.forget();
    m_dirty.add(bounds);
}

bool ScenePainter::drawsItself(qreal width, QRgb colour) const
{
    // At the design scale QPainter's own pixels, which the opening picture is known by; a
    // translucent colour blends, which the raster does not.
    const double ratio = m_image.devicePixelRatio();
    return ratio != 1 && width * ratio > 1 && qAlpha(colour) == 255;
}

qreal ScenePainter::widthOf(int pixels, Colour colour) const
{
    const qreal width = m_style.penWidth(pixels, colour);
    return m_style.solidLines ? std::max(width, 1 / m_image.devicePixelRatio()) : width;
}

QRect ScenePainter::toDevicePixels(const QRect &logical) const
{
    const double ratio = m_image.devicePixelRatio();
    return QRectF(QPointF(logical.topLeft()) * ratio, QSizeF(logical.size()) * ratio)
               .toAlignedRect() &
           m_image.rect();
}

void ScenePainter::putBarsBack(const QImage &before, QPoint at)
{
    for (int y = 0; y < before.height(); ++y) {
        const auto *was = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(at.y() + y)) + at.x();
        for (int x = 0; x < before.width(); ++x) {
            if (was[x] != line[x] && m_style.isBar(was[x]))
                line[x] = was[x];
        }
    }
}

bool ScenePainter::fillFromMemo(QPointF a, QPointF b, qreal width, QRgb colour, bool underBars)
{
    // A translucent colour blends, which a plain fill would not.
    if (qAlpha(colour) != 255)
        return false;
    const LineMemo::Spans *spans = m_lines.pixelsOf(
        a, b, width == m_penWidth ? m_lineShape : strokePen(qRgb(255, 255, 255), width), m_image);
    if (!spans)
        return false;
    // Only the pixels that change need to reach the screen: mostly none, where a ray is drawn
    // again over itself.
    m_raster.spans(*spans, colour, underBars);
    markDevicePixels(m_raster.takeChanged());
    return true;
}

void ScenePainter::drawCircle(PointF centre, float radius)
{
    const qreal width = widthOf(m_penWidth, Colour::foreground());
    const QPointF c = toPixels(centre);
    const double r = radius / double(twipsPerPixel);
    const QRect bounds = strokeBounds(c, c, r + width / 2.0 + 1);
    if (covered(bounds))
        return;
    const QRgb colour = m_style.shown(Colour::foreground());
    if (drawsItself(width, colour)) {
        // QPainter's general stroker takes some 10 µs a circle, the raster well under one.
        const double ratio = m_image.devicePixelRatio();
        m_raster.ring(c * ratio, r * ratio, width * ratio, colour);
        m_raster.takeChanged();
    } else {
        usePen(Colour::foreground(), width);
        m_painter->drawEllipse(c, r, r);
        m_raster.forget();
    }
    m_dirty.add(bounds);
}

void ScenePainter::drawChain(std::span<const PointF> points)
{
    if (points.empty())
        return;
    if (m_covered) {
        const auto [left, right] = std::ranges::minmax(points, {}, &PointF::x);
        const auto [top, bottom] = std::ranges::minmax(points, {}, &PointF::y);
        if (leavesOut({{left.x, top.y}, {right.x, bottom.y}}, m_penWidth))
            return;
    }
    painter();
    const QRgb colour = m_style.shown(Colour::foreground());
    const bool thinPen = m_style.penWidth(m_penWidth, Colour::foreground()) == 1;
    std::size_t start = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (thinPen && shorterThanPixel(points[i - 1], points[i]))
            continue;
        // A segment a pixel long or more, or a wide pen: QPainter draws it.
        markPixels(points.subspan(start, i - start), colour);
        drawLine(points[i - 1], points[i], Colour::foreground());
        start = i;
    }
    markPixels(points.subspan(start), colour);
}

void ScenePainter::markPixels(std::span<const PointF> points, QRgb colour)
{
    if (points.empty())
        return;
    m_raster.forget();
    const double ratio = m_image.devicePixelRatio();
    const int width = m_image.width();
    const int height = m_image.height();
    const qsizetype stride = m_image.bytesPerLine();
    uchar *const bits = m_image.bits();
    colour |= 0xff000000; // the picture has no alpha channel
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    if (ratio == 1) {
        // The hot loop of a run: thousands of points, dozens to a pixel. A point inside the
        // last marked pixel, [15x, 15x + 15) by [15y, 15y + 15) twips, needs no division; the
        // comparison is exact, for the bounds are whole numbers.
        double pixelLeft = 0, pixelRight = -1, pixelTop = 0, pixelBottom = -1;
        for (const PointF point : points) {
            const double px = point.x;
            const double py = point.y;
            if (px >= pixelLeft && px < pixelRight && py >= pixelTop && py < pixelBottom)
                continue;
            const int x = pixelOf(point.x);
            const int y = pixelOf(point.y);
            pixelLeft = x * double(twipsPerPixel);
            pixelRight = pixelLeft + twipsPerPixel;
            pixelTop = y * double(twipsPerPixel);
            pixelBottom = pixelTop + twipsPerPixel;
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
            if (unsigned(x) < unsigned(width) && unsigned(y) < unsigned(height))
                reinterpret_cast<QRgb *>(bits + y * stride)[x] = colour;
        }
    } else {
        // At another pixel ratio a point covers the block of device pixels nearest to it that
        // is as wide as a one-pixel pen.
        const int block = std::max(1, int(std::lround(ratio)));
        const double shift = (block - 1) / 2.0;
        int lastX = INT_MIN, lastY = INT_MIN;
        for (const PointF point : points) {
            // Divide rather than multiply by 1/15, so a point on a pixel edge falls exactly.
            const int x0 = pixelFloor(double(point.x) * ratio / twipsPerPixel - shift);
            const int y0 = pixelFloor(double(point.y) * ratio / twipsPerPixel - shift);
            if (x0 == lastX && y0 == lastY) // many points to a block, one after another
                continue;
            lastX = x0;
            lastY = y0;
            left = std::min(left, x0);
            top = std::min(top, y0);
            right = std::max(right, x0 + block - 1);
            bottom = std::max(bottom, y0 + block - 1);
            for (int y = std::max(y0, 0); y < std::min(y0 + block, height); ++y) {
                auto *line = reinterpret_cast<QRgb *>(bits + y * stride);
                for (int x = std::max(x0, 0); x < std::min(x0 + block, width); ++x)
                    line[x] = colour;
            }
        }
    }
    markDevicePixels(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void ScenePainter::markDevicePixels(const QRect &changed)
{
    const QRect device = changed & m_image.rect();
    const double ratio = m_image.devicePixelRatio();
    if (ratio == 1) {
        m_dirty.add(device);
        return;
    }
    m_dirty.add(
        QRectF(QPointF(device.topLeft()) / ratio, QSizeF(device.size()) / ratio).toAlignedRect());
}

} // namespace veltrin
