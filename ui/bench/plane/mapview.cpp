// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview.h"

#include "elementpainter.h"

#include "mapgrid.h"
#include "mapimage.h"
#include "probabilitymap.h"

#include <QAction>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QTransform>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace veltrin {

namespace {

constexpr int tickLength = 5; // pixels

/// The least of 1, 2 and 5 times a power of ten that is at least `least`.
double niceStep(double least)
{
    const double power = std::pow(10.0, std::floor(std::log10(std::max(least, 1.0))));
    for (const double times : {1.0, 2.0, 5.0}) {
        if (times * power >= least)
            return times * power;
    }
    return 10 * power;
}

QString twips(double value)
{
    return QLocale().toString(value, 'f', 0);
}

} // namespace

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
    createZoomActions();
    clampCentre();
}

void MapView::createZoomActions()
{
    auto add = [this](const QString &text, const QList<QKeySequence> &keys, const char *name,
                      auto slot) {
        auto *action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        m_zoomActions << action;
    };
    add(tr("Zoom &in"), {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, "zoomIn",
        [this] { zoomAbout(mapRect().center(), zoomStep); });
    add(tr("Zoom &out"), {QKeySequence::ZoomOut}, "zoomOut",
        [this] { zoomAbout(mapRect().center(), 1 / zoomStep); });
    add(tr("&Whole map"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, "zoomWhole",
        [this] { fitWhole(); });
}

void MapView::setMap(std::shared_ptr<const ProbabilityMap> map)
{
    m_map = std::move(map);
    makePicture();
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

void MapView::setFixedScale(std::optional<double> top)
{
    if (top == m_fixedScale)
        return;
    m_fixedScale = top;
    makePicture();
    update();
}

double MapView::scaleTop() const
{
    if (m_fixedScale)
        return *m_fixedScale;
    return m_map ? m_map->brightest().value : 0;
}

void MapView::makePicture()
{
    m_picture = m_map ? MapImage::of(*m_map, scaleTop()) : QImage();
    m_greyPicture = m_picture.convertToFormat(QImage::Format_Grayscale8);
    if (m_map)
        emit scaleShown(scaleTop(), m_map->wavenumbers().size() > 1);
}

void MapView::addLayer(Layer *layer)
{
    m_layers.push_back(layer);
    update();
}

void MapView::setExperiment(const Experiment &experiment)
{
    const bool elsewhere = !(experiment.mapExtent() == extent());
    m_experiment = experiment;
    // The map may reach less far for another mirror: the detector stays on it.
    m_detector = withinMap(m_detector);
    if (showsExperiment()) {
        m_greyTimer->stop();
        m_greyed = false;
    } else if (!m_greyed && !m_greyTimer->isActive()) {
        m_greyTimer->start();
    }
    if (elsewhere) {
        clampCentre();
        emit viewChanged();
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

QMargins MapView::tickMargins() const
{
    const QFontMetrics metrics(font());
    const MapExtent shown = extent();
    const int yNumbers = std::max(metrics.horizontalAdvance(twips(shown.yLow())),
                                  metrics.horizontalAdvance(tr("twips")));
    const int xNumber = metrics.horizontalAdvance(twips(shown.xEnd));
    return {yNumbers + tickLength + 6, metrics.height() / 2 + 2, xNumber / 2 + 2,
            metrics.height() + tickLength + 2};
}

double MapView::aspect() const
{
    const MapExtent shown = extent();
    return shown.xEnd / (2 * shown.halfHeight);
}

int MapView::widthForHeight(int height) const
{
    const QMargins margins = tickMargins();
    return int(std::ceil((height - margins.top() - margins.bottom()) * aspect())) + margins.left() +
           margins.right();
}

QRectF MapView::mapRect() const
{
    const MapExtent shown = extent();
    if (m_frame && m_frameSize == size() && m_frameExtent == shown)
        return *m_frame;
    // The plane keeps its proportions, centred in the room the numbers leave.
    const QRectF space = QRectF(rect().marginsRemoved(tickMargins()));
    const double aspect = this->aspect();
    QSizeF size(space.width(), space.width() / aspect);
    if (size.height() > space.height())
        size = {space.height() * aspect, space.height()};
    QRectF area({}, size);
    area.moveCenter(space.center());
    m_frame = area;
    m_frameSize = this->size();
    m_frameExtent = shown;
    return area;
}

double MapView::pixelsPerTwip() const
{
    return mapRect().width() / extent().xEnd * m_zoom;
}

QTransform MapView::toPixels() const
{
    const QPointF middle = mapRect().center();
    const double scale = pixelsPerTwip();
    return QTransform(scale, 0, 0, -scale, middle.x() - scale * m_centre.x,
                      middle.y() + scale * m_centre.y);
}

QPointF MapView::pixelOf(Vec2 mapPoint) const
{
    return toPixels().map(QPointF(mapPoint.x, mapPoint.y));
}

Vec2 MapView::mapPointAt(QPointF pixel) const
{
    const QPointF middle = mapRect().center();
    const double scale = pixelsPerTwip();
    return {m_centre.x + (pixel.x() - middle.x()) / scale,
            m_centre.y - (pixel.y() - middle.y()) / scale};
}

QRectF MapView::extentRect() const
{
    const MapExtent shown = extent();
    return QRectF(pixelOf({0, shown.yEnd()}), pixelOf({shown.xEnd, shown.yLow()}));
}

void MapView::clampCentre()
{
    // At zoom z the frame shows 1/z of the map's width and of its height.
    const MapExtent shown = extent();
    const double halfWidth = shown.xEnd / (2 * m_zoom);
    const double halfHeight = shown.halfHeight / m_zoom;
    m_centre = {std::clamp(m_centre.x, halfWidth, shown.xEnd - halfWidth),
                std::clamp(m_centre.y, shown.yLow() + halfHeight, shown.yEnd() - halfHeight)};
}

void MapView::zoomAbout(QPointF pixel, double factor)
{
    const double zoom = std::clamp(m_zoom * factor, 1.0, deepestZoom);
    if (zoom == m_zoom)
        return;
    const Vec2 held = mapPointAt(pixel);
    m_zoom = zoom;
    const QPointF middle = mapRect().center();
    const double scale = pixelsPerTwip();
    m_centre = {held.x - (pixel.x() - middle.x()) / scale,
                held.y + (pixel.y() - middle.y()) / scale};
    clampCentre();
    update();
    emit viewChanged();
}

void MapView::panBy(QPointF pixels)
{
    const Vec2 before = m_centre;
    const double scale = pixelsPerTwip();
    m_centre = {m_centre.x - pixels.x() / scale, m_centre.y + pixels.y() / scale};
    clampCentre();
    if (m_centre == before)
        return;
    update();
    emit viewChanged();
}

void MapView::fitWhole()
{
    m_zoom = 1;
    clampCentre();
    update();
    emit viewChanged();
}

void MapView::keepInView(Vec2 mapPoint)
{
    const QRectF frame = mapRect().adjusted(20, 20, -20, -20);
    const QPointF at = pixelOf(mapPoint);
    QPointF by;
    if (at.x() < frame.left())
        by.setX(frame.left() - at.x());
    else if (at.x() > frame.right())
        by.setX(frame.right() - at.x());
    if (at.y() < frame.top())
        by.setY(frame.top() - at.y());
    else if (at.y() > frame.bottom())
        by.setY(frame.bottom() - at.y());
    if (!by.isNull())
        panBy(by);
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
    painter.fillRect(area, Qt::black);
    painter.save();
    painter.setClipRect(area);
    if (!m_picture.isNull() && m_pictureShown) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(pictureRect(), greyed ? m_greyPicture : m_picture);
    }
    for (Layer *layer : m_layers) {
        painter.save();
        layer->paintLayer(painter);
        painter.restore();
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
    painter.restore();
    if (greyed || m_picture.isNull()) {
        painter.setPen(Qt::white);
        painter.drawText(area.adjusted(8, 8, -8, -8), Qt::AlignTop | Qt::AlignRight,
                         tr("Computing the map…"));
    }
    paintTicks(painter);
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(-1, -1, 1, 1));
    }
}

void MapView::paintTicks(QPainter &painter) const
{
    const QRectF area = mapRect();
    const QFontMetrics metrics(font());
    const double scale = pixelsPerTwip();
    // Numbers far enough apart to read, the same step on both axes, as the plane keeps its
    // proportions.
    const double room =
        std::max(metrics.horizontalAdvance(twips(extent().xEnd)) + 16, 2 * metrics.height());
    const double step = niceStep(room / scale);
    const Vec2 low = mapPointAt(area.bottomLeft());
    const Vec2 high = mapPointAt(area.topRight());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(palette().windowText().color());
    const int height = metrics.height();
    for (auto i = std::int64_t(std::ceil(low.x / step - 1e-9)); i * step <= high.x + 1e-9; ++i) {
        const double x = pixelOf({double(i) * step, 0}).x();
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + tickLength));
        painter.drawText(QRectF(x - 100, area.bottom() + tickLength, 200, height),
                         Qt::AlignHCenter | Qt::AlignTop, twips(double(i) * step));
    }
    const double numbersRight = area.left() - tickLength - 3;
    for (auto i = std::int64_t(std::ceil(low.y / step - 1e-9)); i * step <= high.y + 1e-9; ++i) {
        const double y = pixelOf({0, double(i) * step}).y();
        painter.drawLine(QPointF(area.left() - tickLength, y), QPointF(area.left(), y));
        painter.drawText(QRectF(0, y - height / 2.0, numbersRight, height),
                         Qt::AlignRight | Qt::AlignVCenter, twips(double(i) * step));
    }
    // The unit, in the corner the two rows of numbers leave free.
    painter.drawText(QRectF(0, area.bottom() + tickLength, numbersRight, height),
                     Qt::AlignRight | Qt::AlignTop, tr("twips"));
}

void MapView::paintMirror(QPainter &painter) const
{
    if (m_experiment.element != Experiment::Element::Mirror)
        return ElementPainter::paint(painter, m_experiment, toPixels(), Qt::white);
    const Mirror mirror = m_experiment.mirror();
    const std::vector<MirrorPoint> points = m_experiment.cut.applyTo(mirror.bothHalves());
    const std::vector<MirrorPoint> reached = mirror.bothHalves();
    // One short line per run of strips alike, kept bright and cut faint.
    const QPen kept(Qt::white, 3, Qt::SolidLine, Qt::FlatCap);
    const QPen cut(QColor(255, 255, 255, 70), 1, Qt::SolidLine, Qt::FlatCap);
    const std::size_t half = points.size() / 2;
    const QTransform toView = toPixels();
    auto pixelOfPoint = [&](const MirrorPoint &point) {
        const Vec2 at = MapGrid::mapOf({point.x(), point.y});
        return toView.map(QPointF(at.x, at.y));
    };
    for (std::size_t start : {std::size_t(0), half}) {
        QPainterPath keptPath;
        QPainterPath cutPath;
        for (std::size_t i = start + 1; i < start + half; ++i) {
            if (!reached[i].present || !reached[i - 1].present)
                continue;
            QPainterPath &path = points[i].present ? keptPath : cutPath;
            path.moveTo(pixelOfPoint(points[i - 1]));
            path.lineTo(pixelOfPoint(points[i]));
        }
        painter.strokePath(cutPath, cut);
        painter.strokePath(keptPath, kept);
    }
}

void MapView::paintDetector(QPainter &painter) const
{
    // White on a black outline: it shows on the map's darkest and brightest colours, on the
    // photons and on the black ground alike.
    const QPointF at = pixelOf(m_detector);
    painter.setBrush(Qt::NoBrush);
    for (const QPen &pen : {QPen(Qt::black, 4, Qt::SolidLine, Qt::SquareCap),
                            QPen(Qt::white, 1.5, Qt::SolidLine, Qt::FlatCap)}) {
        painter.setPen(pen);
        painter.drawEllipse(at, 7, 7);
        painter.drawLine(at - QPointF(11, 0), at - QPointF(4, 0));
        painter.drawLine(at + QPointF(4, 0), at + QPointF(11, 0));
        painter.drawLine(at - QPointF(0, 11), at - QPointF(0, 4));
        painter.drawLine(at + QPointF(0, 4), at + QPointF(0, 11));
    }
}

void MapView::moveDetectorTo(Vec2 mapPoint)
{
    setDetector(mapPoint);
    emit detectorMoved(m_detector);
}

void MapView::changeEvent(QEvent *event)
{
    // The numbers beside the frame take another room.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        m_frame.reset();
    QWidget::changeEvent(event);
}

void MapView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit viewChanged();
}

bool MapView::event(QEvent *event)
{
    // A touchpad's pinch zooms as the wheel does.
    if (event->type() == QEvent::NativeGesture) {
        const auto *gesture = static_cast<QNativeGestureEvent *>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            zoomAbout(gesture->position(), 1 + gesture->value());
            return true;
        }
    }
    return QWidget::event(event);
}

void MapView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        m_panFrom = event->position();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (event->button() != Qt::LeftButton || !mapRect().contains(event->position()))
        return;
    // A press on the point source takes it up; anywhere else it moves the detector there.
    if (m_experiment.source.isPoint()) {
        const QPointF source = pixelOf(MapGrid::mapOf(m_experiment.source.at()));
        const QPointF off = event->position() - source;
        m_draggingSource = std::hypot(off.x(), off.y()) <= sourceReach;
    }
    // So does a press on the lens's target.
    if (!m_draggingSource && m_experiment.element == Experiment::Element::Lens) {
        const QPointF off = event->position() - pixelOf(m_experiment.target);
        m_draggingTarget = std::hypot(off.x(), off.y()) <= sourceReach;
    }
    // And one on a slit off the axis takes the slits apart or together.
    m_draggedSlit = 0;
    if (!m_draggingSource && !m_draggingTarget &&
        m_experiment.element == Experiment::Element::Slits) {
        const Slits slits = m_experiment.slits();
        for (int slit = 0; slit < slits.count(); ++slit) {
            const double from = slit - (slits.count() - 1) / 2.0;
            const QPointF off = event->position() - pixelOf({0, slits.centre(slit)});
            if (from != 0 && std::hypot(off.x(), off.y()) <= sourceReach)
                m_draggedSlit = from;
        }
    }
    if (!m_draggingSource && !m_draggingTarget && m_draggedSlit == 0)
        moveDetectorTo(mapPointAt(event->position()));
}

void MapView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_panFrom && (event->buttons() & Qt::MiddleButton)) {
        panBy(event->position() - *m_panFrom);
        m_panFrom = event->position();
        return;
    }
    if (!(event->buttons() & Qt::LeftButton))
        return;
    if (m_draggingSource)
        emit sourceMoved(withinMap(mapPointAt(event->position())));
    else if (m_draggingTarget)
        emit targetMoved(withinMap(mapPointAt(event->position())));
    else if (m_draggedSlit != 0)
        emit slitSeparationDragged(std::abs(mapPointAt(event->position()).y / m_draggedSlit));
    else
        moveDetectorTo(mapPointAt(event->position()));
}

void MapView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_draggingSource = m_draggingTarget = false;
        m_draggedSlit = 0;
    }
    if (event->button() == Qt::MiddleButton) {
        m_panFrom.reset();
        unsetCursor();
    }
}

void MapView::wheelEvent(QWheelEvent *event)
{
    // With Ctrl or without: nothing else in the view scrolls.
    const int notches = event->angleDelta().y();
    if (notches == 0) {
        event->ignore();
        return;
    }
    zoomAbout(event->position(), std::pow(zoomStep, notches / 120.0));
    event->accept();
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
    if (event->modifiers() & Qt::ControlModifier) {
        // Ctrl and an arrow looks that way: the map moves the other.
        const double by = mapRect().width() / 8;
        switch (event->key()) {
        case Qt::Key_Left:
            return panBy({by, 0});
        case Qt::Key_Right:
            return panBy({-by, 0});
        case Qt::Key_Up:
            return panBy({0, by});
        case Qt::Key_Down:
            return panBy({0, -by});
        default:
            QWidget::keyPressEvent(event);
            return;
        }
    }
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
    keepInView(m_detector);
}

} // namespace veltrin
