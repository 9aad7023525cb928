// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview.h"

#include "mapgrid.h"
#include "mapimage.h"
#include "probabilitymap.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace veltrin {

MapView::MapView(QWidget *parent) : QWidget(parent), m_greyTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("probabilityMap"));
    m_greyTimer->setSingleShot(true);
    m_greyTimer->setInterval(greyAfter);
    connect(m_greyTimer, &QTimer::timeout, this, [this] {
        m_greyed = !showsExperiment();
        update();
    });
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void MapView::setMap(std::shared_ptr<const ProbabilityMap> map)
{
    m_map = std::move(map);
    m_picture = m_map ? MapImage::of(*m_map) : QImage();
    m_greyPicture = m_picture.convertToFormat(QImage::Format_Grayscale8);
    // A picture just come keeps its colours for a moment even if the experiment has moved on.
    m_greyed = false;
    if (showsExperiment())
        m_greyTimer->stop();
    else
        m_greyTimer->start();
    update();
}

bool MapView::setPassingMap(std::shared_ptr<const ProbabilityMap> map)
{
    if (showsExperiment())
        return false;
    setMap(std::move(map));
    return true;
}

void MapView::setExperiment(const Experiment &experiment)
{
    m_experiment = experiment;
    // The map may reach less far for another mirror: the detector stays on it.
    m_detector = withinMap(m_detector);
    if (showsExperiment()) {
        m_greyTimer->stop();
        m_greyed = false;
    } else if (!m_greyed && !m_greyTimer->isActive()) {
        m_greyTimer->start();
    }
    update();
}

bool MapView::showsExperiment() const
{
    return m_map && m_map->experiment() == m_experiment;
}

void MapView::setDetector(Vec2 mapPoint)
{
    m_detector = withinMap(mapPoint);
    update();
}

MapExtent MapView::extent() const
{
    return m_experiment.mapExtent();
}

Vec2 MapView::withinMap(Vec2 mapPoint) const
{
    const MapExtent shown = extent();
    return {std::clamp(mapPoint.x, 0.0, shown.xEnd),
            std::clamp(mapPoint.y, shown.yLow(), shown.yEnd())};
}

void MapView::setPictureShown(bool shown)
{
    m_pictureShown = shown;
    update();
}

namespace {

constexpr int edge = 4; // pixels around the map, for the focus frame

} // namespace

double MapView::aspect() const
{
    const MapExtent shown = extent();
    return shown.xEnd / (2 * shown.halfHeight);
}

int MapView::widthForHeight(int height) const
{
    return int(std::ceil((height - 2 * edge) * aspect())) + 2 * edge;
}

QRectF MapView::mapRect() const
{
    // The plane keeps its proportions, centred in the view.
    const QRectF space = QRectF(rect()).adjusted(edge, edge, -edge, -edge);
    const double aspect = this->aspect();
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
    const MapExtent shown = extent();
    return {area.left() + mapPoint.x / shown.xEnd * area.width(),
            area.top() + (shown.yEnd() - mapPoint.y) / (2 * shown.halfHeight) * area.height()};
}

Vec2 MapView::mapPointAt(QPointF pixel) const
{
    const QRectF area = mapRect();
    const MapExtent shown = extent();
    return {(pixel.x() - area.left()) / area.width() * shown.xEnd,
            shown.yEnd() - (pixel.y() - area.top()) / area.height() * 2 * shown.halfHeight};
}

QRectF MapView::pictureRect() const
{
    // Each of the picture's pixels is the cell around a point of the map's grid.
    const MapGrid &grid = m_map->grid();
    const double half = grid.step() / 2;
    return QRectF(pixelOf({grid.x(0) - half, grid.y(grid.rows() - 1) + half}),
                  pixelOf({grid.x(grid.columns() - 1) + half, grid.y(0) - half}));
}

void MapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF area = mapRect();
    const bool greyed = isGreyed();
    if (!m_picture.isNull() && m_pictureShown) {
        painter.fillRect(area, Qt::black);
        painter.save();
        painter.setClipRect(area);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(pictureRect(), greyed ? m_greyPicture : m_picture);
        painter.restore();
    } else {
        painter.fillRect(area, Qt::black);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    // The axis.
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1, Qt::DashLine));
    painter.drawLine(pixelOf({0, 0}), pixelOf({extent().xEnd, 0}));
    paintMirror(painter);
    if (m_experiment.source.isPoint()) {
        const QPointF at = pixelOf(MapGrid::mapOf(m_experiment.source.at()));
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(QColor(255, 200, 0));
        painter.drawEllipse(at, 5, 5);
    }
    paintDetector(painter);
    if (greyed || m_picture.isNull()) {
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
    if (event->button() != Qt::LeftButton)
        return;
    // A press on the point source takes it up; anywhere else it moves the detector there.
    if (m_experiment.source.isPoint()) {
        const QPointF source = pixelOf(MapGrid::mapOf(m_experiment.source.at()));
        const QPointF off = event->position() - source;
        m_draggingSource = std::hypot(off.x(), off.y()) <= sourceReach;
    }
    if (!m_draggingSource)
        moveDetectorTo(mapPointAt(event->position()));
}

void MapView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    if (m_draggingSource)
        emit sourceMoved(withinMap(mapPointAt(event->position())));
    else
        moveDetectorTo(mapPointAt(event->position()));
}

void MapView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_draggingSource = false;
}

double MapView::nextOnGrid(double value, double step, int direction)
{
    // A value on the grid, but for a rounding error, moves a whole step.
    const double steps = value / step;
    const double nearest = std::round(steps);
    const double from = std::abs(steps - nearest) < 1e-6 ? nearest : steps;
    return step * (direction > 0 ? std::floor(from) + 1 : std::ceil(from) - 1);
}

void MapView::keyPressEvent(QKeyEvent *event)
{
    const double step = event->modifiers() & Qt::ShiftModifier ? fineKeyStep : keyStep;
    Vec2 to = m_detector;
    switch (event->key()) {
    case Qt::Key_Left:
        to.x = nextOnGrid(to.x, step, -1);
        break;
    case Qt::Key_Right:
        to.x = nextOnGrid(to.x, step, 1);
        break;
    case Qt::Key_Up:
        to.y = nextOnGrid(to.y, step, 1);
        break;
    case Qt::Key_Down:
        to.y = nextOnGrid(to.y, step, -1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    moveDetectorTo(to);
}

} // namespace veltrin
