#include "qtsurface.h"

#include "canvas.h"
#include "surfaceerror.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <algorithm>
#include <climits>
#include <cmath>

namespace veltrin {

namespace {

constexpr double twipsPerPixel = 15.0;

/// Whether a stroke from a to b stays within a pixel, too short for QPainter to place exactly.
bool shorterThanPixel(PointF a, PointF b)
{
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    return dx * dx + dy * dy < twipsPerPixel * twipsPerPixel;
}

QPointF toPixels(PointF point)
{
    return {point.x / twipsPerPixel, point.y / twipsPerPixel};
}

/// The pixels a stroke from a to b may touch, with room for the pen's round ends.
QRect strokeBounds(QPointF a, QPointF b, double reach)
{
    const QRectF box = QRectF(a, b).normalized().adjusted(-reach, -reach, reach, reach);
    return box.toAlignedRect();
}

} // namespace

QtSurface::QtSurface(QWidget *window, Canvas *canvas, const FieldEditors &fields)
    : m_window(window), m_canvas(canvas), m_fields(fields), m_question(askWithMessageBox)
{
}

QtSurface::~QtSurface() = default;

QPainter &QtSurface::painter()
{
    if (!m_painter) {
        if (!m_canvas)
            throw SurfaceError(QStringLiteral("The drawing area is gone"));
        m_painter.emplace();
        if (!m_painter->begin(&m_canvas->image())) {
            m_painter.reset();
            throw SurfaceError(QStringLiteral("Cannot draw on the window"));
        }
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_penColour.reset();
    }
    return *m_painter;
}

void QtSurface::endPainting()
{
    m_painter.reset();
}

QColor QtSurface::resolve(Colour colour) const
{
    const QPalette palette = m_canvas ? m_canvas->palette() : QPalette();
    switch (colour.kind()) {
    case Colour::Kind::Foreground:
        return palette.color(QPalette::Shadow);
    case Colour::Kind::RayColour:
        return palette.color(QPalette::HighlightedText);
    case Colour::Kind::Rgb:
        break;
    }
    return QColor(colour.red(), colour.green(), colour.blue());
}

void QtSurface::usePen(Colour colour)
{
    QPainter &p = painter();
    if (m_penColour == colour && p.pen().width() == m_penWidth)
        return;
    p.setPen(QPen(resolve(colour), m_penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    m_penColour = colour;
}

void QtSurface::setScaleTwips()
{
    // Twips are this surface's only unit; nothing to switch.
}

void QtSurface::setPenWidth(int pixels)
{
    if (pixels < 1)
        throw SurfaceError(QStringLiteral("A pen %1 pixels wide cannot draw").arg(pixels));
    m_penWidth = pixels;
}

void QtSurface::drawLine(PointF from, PointF to, Colour colour)
{
    if (m_penWidth == 1 && shorterThanPixel(from, to)) {
        // QPainter's aliased lines misplace or drop such short strokes; mark their pixels.
        const PointF ends[] = {from, to};
        markPixels(ends, resolve(colour).rgb());
        return;
    }
    usePen(colour);
    const QPointF a = toPixels(from);
    const QPointF b = toPixels(to);
    m_painter->drawLine(a, b);
    m_dirty.add(strokeBounds(a, b, m_penWidth / 2.0 + 1));
}

void QtSurface::drawCircle(PointF centre, float radius)
{
    usePen(Colour::foreground());
    const QPointF c = toPixels(centre);
    const double r = radius / twipsPerPixel;
    m_painter->drawEllipse(c, r, r);
    m_dirty.add(strokeBounds(c, c, r + m_penWidth / 2.0 + 1));
}

void QtSurface::drawChain(std::span<const PointF> points)
{
    if (points.empty())
        return;
    const QRgb colour = resolve(Colour::foreground()).rgb();
    std::size_t start = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const PointF a = points[i - 1];
        const PointF b = points[i];
        if (m_penWidth == 1 && shorterThanPixel(a, b))
            continue;
        // A segment a pixel long or more, or a wide pen: QPainter draws it.
        markPixels(points.subspan(start, i - start), colour);
        drawLine(a, b, Colour::foreground());
        start = i;
    }
    markPixels(points.subspan(start), colour);
}

void QtSurface::markPixels(std::span<const PointF> points, QRgb colour)
{
    if (!m_canvas || points.empty())
        return;
    QImage &image = m_canvas->image();
    const double ratio = image.devicePixelRatio();
    // At a higher pixel ratio a point covers the block of device pixels nearest to it that
    // is as wide as a one-pixel pen.
    const int block = std::max(1, int(std::lround(ratio)));
    const double shift = (block - 1) / 2.0;
    const int width = image.width();
    const int height = image.height();
    const qsizetype stride = image.bytesPerLine();
    uchar *const bits = image.bits();
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const PointF point : points) {
        // Divide rather than multiply by 1/15, so a point on a pixel edge falls exactly.
        const int x0 = int(std::floor(double(point.x) * ratio / twipsPerPixel - shift));
        const int y0 = int(std::floor(double(point.y) * ratio / twipsPerPixel - shift));
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
    const QRect device(QPoint(left, top), QPoint(right, bottom));
    m_dirty.add(
        QRectF(QPointF(device.topLeft()) / ratio, QSizeF(device.size()) / ratio).toAlignedRect());
}

QString QtSurface::text(Field field) const
{
    const QLineEdit *editor = m_fields[static_cast<int>(field)];
    if (!editor)
        throw SurfaceError(QStringLiteral("The window has no field %1").arg(fieldName(field)));
    return editor->text();
}

void QtSurface::setText(Field field, const QString &text)
{
    QLineEdit *editor = m_fields[static_cast<int>(field)];
    if (!editor)
        throw SurfaceError(QStringLiteral("The window has no field %1").arg(fieldName(field)));
    editor->setText(text);
}

bool QtSurface::askYesNo(const QString &prompt)
{
    present(); // the user answers with the picture in front of them
    return m_question(m_window, prompt);
}

void QtSurface::present()
{
    endPainting();
    if (m_canvas && !m_dirty.isEmpty())
        m_canvas->repaint(m_dirty.take());
}

bool QtSurface::pumpWindowEvents()
{
    // Input made now waits in the queue until the run has ended.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return !m_stopRequested && m_window && m_canvas;
}

bool askWithMessageBox(QWidget *window, const QString &prompt)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), prompt,
                    QMessageBox::Yes | QMessageBox::No, window);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace veltrin
