// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchfigure.h"

#include "elementpainter.h"

#include "mapgrid.h"
#include "prediction.h"
#include "viridis.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace veltrin {

namespace {

constexpr qreal margin = 10;
constexpr qreal planeWidth = 600;
constexpr qreal tickLength = 4;
constexpr qreal labelGap = 3;
constexpr qreal keyGap = 18;
constexpr qreal keyWidth = 16;
constexpr qreal captionGap = 12;
constexpr int tickStep = 1000; // twips
constexpr int keyTicks = 4;
constexpr qreal dotsRatio = 2;

/// Light pink reads on the map's dark violet and its yellow alike; on the white of a hidden map,
/// near black.
const QColor dotsOnMap(255, 110, 190);
const QColor dotsOnWhite(40, 40, 40);

/// The scene's sans-serif face, named as the system has it, so that a drawing program that
/// opens the figure finds it.
QFont figureFont(int pixels)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixels);
    font.setFamily(QFontInfo(font).family());
    return font;
}

QString twips(double value)
{
    return QLocale().toString(qlonglong(std::llround(value)));
}

QString keyValue(double value, double brightest)
{
    return QLocale().toString(value, 'f', brightest < 10 ? 2 : 0);
}

/// The ticks of the plane's scale along one side, from `low` to `high`, twips.
std::vector<int> ticks(double low, double high)
{
    std::vector<int> at;
    for (int value = int(std::ceil(low / tickStep)) * tickStep; value <= high; value += tickStep)
        at.push_back(value);
    return at;
}

} // namespace

BenchFigure::BenchFigure(const Contents &contents)
    : m_experiment(contents.experiment), m_extent(m_experiment.mapExtent()), m_map(contents.map),
      m_brightest(contents.brightest), m_whiteLight(contents.whiteLight),
      m_detector(contents.detector), m_marks(contents.marks), m_caption(contents.caption),
      m_labelFont(figureFont(12)), m_captionFont(figureFont(13))
{
    const QFontMetricsF label(m_labelFont);
    const qreal line = label.height();
    qreal yLabels = 0;
    for (const int y : ticks(m_extent.yLow(), m_extent.yEnd()))
        yLabels = std::max(yLabels, label.horizontalAdvance(twips(y)));
    // The key's title stands a line above the plane, clear of the key's top value.
    const qreal left = margin + line + labelGap + yLabels + labelGap + tickLength;
    const qreal top = margin + 1.5 * line + labelGap;
    const double aspect = (m_extent.yEnd() - m_extent.yLow()) / m_extent.xEnd;
    m_plane = QRectF(left, top, planeWidth, planeWidth * aspect);

    qreal right = m_plane.right();
    if (!m_map.isNull()) {
        m_key = QRectF(m_plane.right() + keyGap, m_plane.top(), keyWidth, m_plane.height());
        qreal keyLabels = 0;
        for (int tick = 0; tick <= keyTicks; ++tick)
            keyLabels = std::max(keyLabels, label.horizontalAdvance(keyValue(
                                                tick * m_brightest / keyTicks, m_brightest)));
        right = m_key.right() + tickLength + labelGap + keyLabels;
    }
    const qreal width = std::ceil(right + margin);
    const qreal scaleBottom = m_plane.bottom() + tickLength + labelGap + 2 * line;

    const QFontMetricsF caption(m_captionFont);
    const QRectF text = caption.boundingRect(QRectF(0, 0, width - 2 * margin, 1e6),
                                             Qt::AlignLeft | Qt::TextWordWrap, m_caption);
    // Some slack: a printer may set the words a little wider than the screen does.
    m_captionArea = QRectF(margin, scaleBottom + captionGap, width - 2 * margin,
                           text.height() + caption.height() / 2);
    m_size = QSizeF(width, std::ceil(m_captionArea.bottom() + margin));
    drawDots(contents.photons);
}

QPointF BenchFigure::pixelOf(Vec2 mapPoint) const
{
    return {m_plane.left() + mapPoint.x / m_extent.xEnd * m_plane.width(),
            m_plane.top() + (m_extent.yEnd() - mapPoint.y) / (m_extent.yEnd() - m_extent.yLow()) *
                                m_plane.height()};
}

void BenchFigure::drawDots(std::span<const Vec2> photons)
{
    if (photons.empty())
        return;
    m_dots = QImage((m_plane.size() * dotsRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    m_dots.fill(Qt::transparent);
    const QRgb colour = (m_map.isNull() ? dotsOnWhite : dotsOnMap).rgba();
    const int side = 4; // two pixels of the design scale, as the window draws them
    const double xScale = m_dots.width() / m_extent.xEnd;
    const double yScale = m_dots.height() / (m_extent.yEnd() - m_extent.yLow());
    for (const Vec2 hit : photons) {
        const int x0 = int(hit.x * xScale) - side / 2;
        const int y0 = int((m_extent.yEnd() - hit.y) * yScale) - side / 2;
        for (int y = std::max(0, y0); y < std::min(m_dots.height(), y0 + side); ++y) {
            auto *row = reinterpret_cast<QRgb *>(m_dots.scanLine(y));
            for (int x = std::max(0, x0); x < std::min(m_dots.width(), x0 + side); ++x)
                row[x] = colour;
        }
    }
}

void BenchFigure::paint(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(QRectF(QPointF(0, 0), m_size), Qt::white);
    if (!m_map.isNull())
        painter.drawImage(m_plane, m_map);

    // The axis, dashed, on the map or on white.
    painter.setPen(
        QPen(m_map.isNull() ? QColor(0, 0, 0, 110) : QColor(255, 255, 255, 110), 1, Qt::DashLine));
    painter.drawLine(pixelOf({0, 0}), pixelOf({m_extent.xEnd, 0}));
    paintMirror(painter);
    if (!m_dots.isNull())
        painter.drawImage(m_plane, m_dots);
    paintMarkers(painter);

    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m_plane);
    paintScale(painter);
    if (!m_key.isNull())
        paintKey(painter);

    painter.setFont(m_captionFont);
    painter.setPen(Qt::black);
    painter.drawText(m_captionArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_caption);
    painter.restore();
}

void BenchFigure::paintScale(QPainter &painter) const
{
    painter.setFont(m_labelFont);
    const qreal line = QFontMetricsF(m_labelFont).height();
    for (const int x : ticks(0, m_extent.xEnd)) {
        const QPointF at = pixelOf({double(x), m_extent.yLow()});
        painter.drawLine(at, at + QPointF(0, tickLength));
        painter.drawText(QRectF(at.x() - 50, at.y() + tickLength, 100, line),
                         Qt::AlignHCenter | Qt::AlignTop, twips(x));
    }
    for (const int y : ticks(m_extent.yLow(), m_extent.yEnd())) {
        const QPointF at = pixelOf({0, double(y)});
        painter.drawLine(at, at - QPointF(tickLength, 0));
        painter.drawText(QRectF(0, at.y() - line / 2, at.x() - tickLength - labelGap, line),
                         Qt::AlignRight | Qt::AlignVCenter, twips(y));
    }
    painter.drawText(
        QRectF(m_plane.left(), m_plane.bottom() + tickLength + line, m_plane.width(), line),
        Qt::AlignHCenter | Qt::AlignTop,
        m_experiment.element == Experiment::Element::Slits ? tr("x: twips behind the screen")
                                                           : tr("x: twips from the vertex line"));
    painter.save();
    painter.translate(margin, m_plane.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-m_plane.height() / 2, 0, m_plane.height(), line),
                     Qt::AlignHCenter | Qt::AlignTop, tr("y: twips above the axis"));
    painter.restore();
}

void BenchFigure::paintMirror(QPainter &painter) const
{
    if (m_experiment.element != Experiment::Element::Mirror) {
        // The plane's axes are straight: two points give the whole mapping.
        const QPointF origin = pixelOf({0, 0});
        const QPointF unit = pixelOf({1, 1}) - origin;
        return ElementPainter::paint(painter, m_experiment,
                                     QTransform(unit.x(), 0, 0, unit.y(), origin.x(), origin.y()),
                                     Qt::black);
    }
    const Mirror mirror = m_experiment.mirror();
    const std::vector<MirrorPoint> reached = mirror.bothHalves();
    const std::vector<MirrorPoint> points = m_experiment.cut.applyTo(reached);
    // One path for the kept strips, one for the cut ones, each half on its own.
    QPainterPath kept;
    QPainterPath cut;
    const std::size_t half = points.size() / 2;
    for (const std::size_t start : {std::size_t(0), half}) {
        for (std::size_t i = start + 1; i < start + half; ++i) {
            if (!reached[i].present || !reached[i - 1].present)
                continue;
            QPainterPath &path = points[i].present ? kept : cut;
            path.moveTo(pixelOf(MapGrid::mapOf({points[i - 1].x(), points[i - 1].y})));
            path.lineTo(pixelOf(MapGrid::mapOf({points[i].x(), points[i].y})));
        }
    }
    const bool onMap = !m_map.isNull();
    painter.strokePath(cut, QPen(onMap ? QColor(255, 255, 255, 110) : QColor(150, 150, 150), 1,
                                 Qt::SolidLine, Qt::FlatCap));
    // On the map white, edged in black so that it reads on the map's yellow as on its violet.
    if (onMap)
        painter.strokePath(kept, QPen(Qt::black, 5, Qt::SolidLine, Qt::FlatCap));
    painter.strokePath(kept, QPen(onMap ? Qt::white : Qt::black, 3, Qt::SolidLine, Qt::FlatCap));
}

void BenchFigure::paintMarkers(QPainter &painter) const
{
    painter.setBrush(Qt::NoBrush);
    const auto ring = [&painter](QPointF at, qreal radius) {
        painter.setPen(QPen(Qt::black, 3));
        painter.drawEllipse(at, radius, radius);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.drawEllipse(at, radius, radius);
    };
    if (m_experiment.source.isPoint()) {
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(QColor(255, 200, 0));
        painter.drawEllipse(pixelOf(MapGrid::mapOf(m_experiment.source.at())), 5, 5);
        painter.setBrush(Qt::NoBrush);
    }
    // The detector as the window draws it: a ring with its cross-hairs.
    const QPointF detector = pixelOf(m_detector);
    ring(detector, 7);
    for (const QPointF direction : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
        painter.drawLine(detector + 4 * direction, detector + 11 * direction);

    // Each mark as far round as the photons counted near it, with its number.
    const qreal radius = std::max(4.0, Prediction::nearRadius * m_plane.width() / m_extent.xEnd);
    painter.setFont(m_labelFont);
    const QFontMetricsF metrics(m_labelFont);
    for (std::size_t i = 0; i < m_marks.size(); ++i) {
        const QPointF at = pixelOf(m_marks[i]);
        ring(at, radius);
        painter.drawLine(at - QPointF(4, 0), at + QPointF(4, 0));
        painter.drawLine(at - QPointF(0, 4), at + QPointF(0, 4));
        const QString number = QLocale().toString(int(i + 1));
        const QSizeF size(metrics.horizontalAdvance(number) + 6, metrics.height() + 2);
        QRectF box(QPointF(at.x() + radius + 3, at.y() - size.height() / 2), size);
        if (box.right() > m_plane.right())
            box.moveRight(at.x() - radius - 3);
        painter.fillRect(box, QColor(0, 0, 0, 190));
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, number);
    }
}

void BenchFigure::paintKey(QPainter &painter) const
{
    // From nothing at the bottom to the map's brightest point at the top.
    QLinearGradient scale(m_key.bottomLeft(), m_key.topLeft());
    constexpr int stops = 16;
    for (int stop = 0; stop <= stops; ++stop) {
        const double t = double(stop) / stops;
        scale.setColorAt(t, m_whiteLight ? QColor::fromRgbF(float(t), float(t), float(t))
                                         : viridis(t));
    }
    painter.fillRect(m_key, scale);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(m_key);
    const qreal line = QFontMetricsF(m_labelFont).height();
    for (int tick = 0; tick <= keyTicks; ++tick) {
        const double t = double(tick) / keyTicks;
        const qreal y = m_key.bottom() - t * m_key.height();
        painter.drawLine(QPointF(m_key.right(), y), QPointF(m_key.right() + tickLength, y));
        painter.drawText(QRectF(m_key.right() + tickLength + labelGap, y - line / 2,
                                m_size.width() - m_key.right(), line),
                         Qt::AlignLeft | Qt::AlignVCenter, keyValue(t * m_brightest, m_brightest));
    }
    // Its title above it, ending where the key's values end.
    painter.drawText(QRectF(0, margin, m_size.width() - margin, line),
                     Qt::AlignRight | Qt::AlignTop, tr("Probability, twips of bar"));
}

} // namespace veltrin
