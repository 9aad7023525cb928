// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include "scenelegend.h"
#include "twips.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <QScreen>
#include <algorithm>

namespace veltrin {

Canvas::Canvas(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(picturePixels);
    makePicture();
}

void Canvas::setPrompt(const Prompt &prompt)
{
    m_prompt = prompt;
    makePicture();
    update();
}

void Canvas::setPromptCovered(bool covered)
{
    m_promptCovered = covered;
}

void Canvas::makePicture()
{
    m_image = QImage(); // its memory goes to the new picture, unless a copy holds it
    const qreal ratio = pictureRatio();
    // Room for a picture as large as the screen: a resize then finds memory written before.
    const QScreen *const shown = screen();
    const QSize largest = shown ? shown->geometry().size() * shown->devicePixelRatio() : QSize();
    m_image = m_memory.picture(pictureSize(ratio), QImage::Format_RGB32,
                               std::size_t(std::max(0, largest.width())) *
                                   std::size_t(std::max(0, largest.height())) * 4);
    makeBlank(m_image, ratio, m_promptCovered ? Prompt{} : m_prompt, m_style);
}

void Canvas::setSceneStyle(const SceneStyle &style)
{
    m_style = style;
    renew();
}

void Canvas::setScale(double scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    setFixedSize(scaledRect(QRect(QPoint(0, 0), picturePixels), scale).size());
    renew();
}

double Canvas::pictureRatio() const
{
    return devicePixelRatioF() * m_scale;
}

void Canvas::repaintScene(const QRegion &changed)
{
    if (m_scale == 1) {
        repaint(changed);
        return;
    }
    QRegion shown;
    for (const QRect &rect : changed)
        shown += QRectF(QPointF(rect.topLeft()) * m_scale, QSizeF(rect.size()) * m_scale)
                     .toAlignedRect();
    repaint(shown);
}

namespace {

// The mark: a pointer this many pixels of the design scale wide and tall, its tip this far
// above the point it marks.
constexpr double markSize = 10;
constexpr double markLift = 3;

QPolygonF markPointer(QPointF tip)
{
    return QPolygonF{
        {tip, tip + QPointF(-markSize / 2, -markSize), tip + QPointF(markSize / 2, -markSize)}};
}

} // namespace

void Canvas::setMark(std::optional<PointF> twips)
{
    if (twips.has_value() == m_mark.has_value() &&
        (!twips || (twips->x == m_mark->x && twips->y == m_mark->y)))
        return;
    QRegion changed = markRect();
    m_mark = twips;
    changed += markRect();
    update(changed);
}

QRect Canvas::markRect() const
{
    if (!m_mark)
        return {};
    const QPointF tip(m_mark->x / twipsPerPixel, m_mark->y / twipsPerPixel - markLift);
    const QRectF design = markPointer(tip).boundingRect().adjusted(-2, -2, 2, 2);
    return QRectF(design.topLeft() * m_scale, design.size() * m_scale).toAlignedRect();
}

void Canvas::renew()
{
    makePicture();
    emit pictureRenewed();
    update(); // all of it, whatever a paint under way was for
}

void Canvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QPointF twips = event->position() / m_scale * twipsPerPixel;
    emit pressedAt({float(twips.x()), float(twips.y())});
}

void Canvas::paintEvent(QPaintEvent *event)
{
    // The window may have moved to a screen of another density since the picture was made.
    if (pictureRatio() != m_image.devicePixelRatio())
        renew();
    QPainter painter(this);
    // A pixel of the canvas is a pixel of the picture, at any scale.
    const qreal ratio = devicePixelRatioF();
    for (const QRect &rect : event->region()) {
        // Within a plain rectangle the copy is one straight blit; within the region of several
        // it goes span by span, and from about a hundred rows on through Qt's thread pool,
        // whose hand-over costs far more than these small copies.
        painter.setClipRect(rect);
        const QRectF source(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio);
        painter.drawImage(QRectF(rect), m_image, source);
    }
    if (m_style.legend) {
        painter.setClipRegion(event->region());
        painter.scale(m_scale, m_scale);
        SceneLegend::paint(painter, m_style);
    }
    if (m_mark && event->region().intersects(markRect())) {
        painter.resetTransform();
        painter.setClipping(false);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(m_scale, m_scale);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(255, 215, 0)); // gold: seen on silver, white and every bar
        painter.drawPolygon(
            markPointer(QPointF(m_mark->x / twipsPerPixel, m_mark->y / twipsPerPixel - markLift)));
    }
}

} // namespace veltrin
