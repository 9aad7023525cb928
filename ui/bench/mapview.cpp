// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview.h"

#include "mapgrid.h"
#include "mapimage.h"
#include "probabilitymap.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace veltrin {

MapView::MapView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("probabilityMap"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void MapView::setMap(std::shared_ptr<const ProbabilityMap> map)
{
    m_map = std::move(map);
    m_picture = m_map ? MapImage::of(*m_map) : QImage();
    m_greyed = m_picture.convertToFormat(QImage::Format_Grayscale8);
    update();
}

void MapView::setExperiment(const Experiment &experiment)
{
    m_experiment = experiment;
    update();
}

bool MapView::showsExperiment() const
{
    return m_map && m_map->experiment() == m_experiment;
}

void MapView::setDetector(Vec2 mapPoint)
{
    m_detector = {std::clamp(mapPoint.x, 0.0, MapGrid::xEnd),
                  std::clamp(mapPoint.y, MapGrid::yLow, MapGrid::yEnd)};
    update();
}

void MapView::setPictureShown(bool shown)
{
    m_pictureShown = shown;
    update();
}

QRectF MapView::mapRect() const
{
    // The plane keeps its proportions, centred in the view.
    const QRectF space = QRectF(rect()).adjusted(4, 4, -4, -4);
    const double aspect = MapGrid::xEnd / (MapGrid::yEnd - MapGrid::yLow);
    QSizeF size(space.width(), space.width() / aspect);
    if (size.height() > space.height())
        size = {space.height() * aspect, space.height()};
    QRectF area({}, size);
    area.moveCenter(space.center());
    return area;
}

QPointF MapView::pixelOf(Vec2 mapPoint) const
{
    const QRectF area = mapRect();
    return {area.left() + mapPoint.x / MapGrid::xEnd * area.width(),
            area.top() +
                (MapGrid::yEnd - mapPoint.y) / (MapGrid::yEnd - MapGrid::yLow) * area.height()};
}

Vec2 MapView::mapPointAt(QPointF pixel) const
{
    const QRectF area = mapRect();
    return {(pixel.x() - area.left()) / area.width() * MapGrid::xEnd,
            MapGrid::yEnd -
                (pixel.y() - area.top()) / area.height() * (MapGrid::yEnd - MapGrid::yLow)};
}

void MapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF area = mapRect();
    const bool current = showsExperiment();
    if (!m_picture.isNull() && m_pictureShown) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(area, current ? m_picture : m_greyed);
    } else {
        painter.fillRect(area, Qt::black);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    // The axis.
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1, Qt::DashLine));
    painter.drawLine(pixelOf({0, 0}), pixelOf({MapGrid::xEnd, 0}));
    paintMirror(painter);
    if (m_experiment.source.isPoint()) {
        const QPointF at = pixelOf(MapGrid::mapOf(m_experiment.source.at()));
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(QColor(255, 200, 0));
        painter.drawEllipse(at, 5, 5);
    }
    paintDetector(painter);
    if (!current) {
        painter.setPen(Qt::white);
        painter.drawText(area.adjusted(8, 8, -8, -8), Qt::AlignTop | Qt::AlignRight,
                         tr("Computing the map…"));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(-1, -1, 1, 1));
    }
}

void MapView::paintMirror(QPainter &painter) const
{
    const Mirror mirror = m_experiment.mirror();
    const std::vector<MirrorPoint> points = m_experiment.cut.applyTo(mirror.bothHalves());
    const std::vector<MirrorPoint> reached = mirror.bothHalves();
    // One short line per run of strips alike, kept bright and cut faint.
    const QPen kept(Qt::white, 3, Qt::SolidLine, Qt::FlatCap);
    const QPen cut(QColor(255, 255, 255, 70), 1, Qt::SolidLine, Qt::FlatCap);
    const std::size_t half = points.size() / 2;
    for (std::size_t start : {std::size_t(0), half}) {
        QPainterPath keptPath;
        QPainterPath cutPath;
        for (std::size_t i = start + 1; i < start + half; ++i) {
            if (!reached[i].present || !reached[i - 1].present)
                continue;
            QPainterPath &path = points[i].present ? keptPath : cutPath;
            path.moveTo(pixelOf(MapGrid::mapOf({points[i - 1].x(), points[i - 1].y})));
            path.lineTo(pixelOf(MapGrid::mapOf({points[i].x(), points[i].y})));
        }
        painter.strokePath(cutPath, cut);
        painter.strokePath(keptPath, kept);
    }
}

void MapView::paintDetector(QPainter &painter) const
{
    const QPointF at = pixelOf(m_detector);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawEllipse(at, 7, 7);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.drawEllipse(at, 7, 7);
    painter.drawLine(at - QPointF(11, 0), at - QPointF(4, 0));
    painter.drawLine(at + QPointF(4, 0), at + QPointF(11, 0));
    painter.drawLine(at - QPointF(0, 11), at - QPointF(0, 4));
    painter.drawLine(at + QPointF(0, 4), at + QPointF(0, 11));
}

void MapView::moveDetectorTo(Vec2 mapPoint)
{
    setDetector(mapPoint);
    emit detectorMoved(m_detector);
}

void MapView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        moveDetectorTo(mapPointAt(event->position()));
}

void MapView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        moveDetectorTo(mapPointAt(event->position()));
}

void MapView::keyPressEvent(QKeyEvent *event)
{
    const double step = event->modifiers() & Qt::ShiftModifier ? fineKeyStep : keyStep;
    Vec2 to = m_detector;
    switch (event->key()) {
    case Qt::Key_Left:
        to.x -= step;
        break;
    case Qt::Key_Right:
        to.x += step;
        break;
    case Qt::Key_Up:
        to.y += step;
        break;
    case Qt::Key_Down:
        to.y -= step;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    moveDetectorTo(to);
}

} // namespace veltrin
