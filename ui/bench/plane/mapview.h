// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "vec2.h"

#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QTimer;
class QTransform;

namespace veltrin {

class ProbabilityMap;

/// The plane in front of the mirror: the map's picture, the mirror over it (kept strips bright,
/// cut ones faint), a point source, which the pupil drags, as it drags the slits apart or together
/// by any slit off the axis, and the detector, which the pupil drags anywhere or moves with the
/// arrow keys on the map's grid, to the next multiple of the step (Shift for fine steps), so that
/// round positions are in reach; ticks and numbers in twips on both axes. It zooms about the
/// pointer with the wheel, and with Ctrl+plus, Ctrl+minus and Ctrl+0 (the whole map); it pans with
/// the middle button or Ctrl and the arrow keys. Until the map of a new experiment is in, the last
/// picture stays: in its colours for a moment, as a drag's pictures follow one another, then
/// greyed, so that the pupil never takes it for the new one.
class MapView : public QWidget
{
    Q_OBJECT

public:
    static constexpr double keyStep = 100;    ///< twips, an arrow key
    static constexpr double fineKeyStep = 20; ///< twips, with Shift, the full map's grid
    /// How long the last picture keeps its colours once it no longer shows the experiment.
    static constexpr int greyAfter = 250; // milliseconds
    /// How near its marker a press takes up a point source.
    static constexpr double sourceReach = 9; // pixels
    /// How far the view zooms in, against the whole map; a notch of the wheel zooms by zoomStep.
    static constexpr double deepestZoom = 32;
    static constexpr double zoomStep = 1.25;

    /// Drawn over the map's picture and beneath the mirror and the detector, in the view's
    /// pixels and clipped to the map's frame.
    class Layer
    {
    public:
        virtual void paintLayer(QPainter &painter) = 0;

    protected:
        ~Layer() = default;
    };

    explicit MapView(QWidget *parent = nullptr);

    /// The map to show; its picture is made here.
    void setMap(std::shared_ptr<const ProbabilityMap> map);
    /// A map of an experiment since left, shown until the present one's is in; returns whether
    /// it is shown.
    bool setPassingMap(std::shared_ptr<const ProbabilityMap> map);
    std::shared_ptr<const ProbabilityMap> map() const { return m_map; }
    /// The experiment the next map will show: the mirror is drawn as it now is, the picture greyed
    /// until a map of it arrives.
    void setExperiment(const Experiment &experiment);
    /// Whether the picture shown is of the experiment drawn.
    bool showsExperiment() const;
    /// Whether the picture is shown grey, as one of another experiment.
    bool isGreyed() const { return m_greyed && !showsExperiment(); }
    /// Hides the map's picture, so that only what is drawn over it shows the light.
    void setPictureShown(bool shown);

    /// What the brightest colour stands for, twips of bar: a number fixed, or none for each
    /// map's own brightest point.
    void setFixedScale(std::optional<double> top);
    std::optional<double> fixedScale() const { return m_fixedScale; }
    /// The top of the scale the picture shown is drawn to; 0 without a picture.
    double scaleTop() const;
    /// The map's picture, one pixel per point of its grid.
    const QImage &picture() const { return m_picture; }

    void addLayer(Layer *layer);

    Vec2 detector() const { return m_detector; }
    /// Moves the detector (kept inside the map).
    void setDetector(Vec2 mapPoint);

    /// The frame the map is shown in, inside the axes' numbers.
    QRectF mapRect() const;
    /// Where the whole map lies at the present zoom: beyond the frame once zoomed in.
    QRectF extentRect() const;
    /// A map point's pixel and back.
    QPointF pixelOf(Vec2 mapPoint) const;
    Vec2 mapPointAt(QPointF pixel) const;
    /// Map points to pixels, for many points at once.
    QTransform toPixels() const;

    /// 1 shows the whole map; more, a part of it larger.
    double zoom() const { return m_zoom; }
    /// Zooms by `factor` (within 1 and deepestZoom), the map point under `pixel` staying there.
    void zoomAbout(QPointF pixel, double factor);
    /// Moves the map by `pixels`, as a drag of it would, within its edges.
    void panBy(QPointF pixels);
    /// Shows the whole map.
    void fitWhole();
    /// Zoom in, zoom out and the whole map, with their keys, anywhere in the window.
    QList<QAction *> zoomActions() const { return m_zoomActions; }

    /// The view's width at which the map fills its height, proportions kept.
    int widthForHeight(int height) const;

    QSize sizeHint() const override { return {680, 480}; }
    QSize minimumSizeHint() const override { return {340, 240}; }

signals:
    void detectorMoved(Vec2 mapPoint);
    /// The pupil drags the point source.
    void sourceMoved(Vec2 mapPoint);
    /// The pupil drags the lens's target.
    void targetMoved(Vec2 mapPoint);
    /// The pupil drags a slit away from the axis or towards it: the slits' separation it asks.
    void slitSeparationDragged(double separation);
    /// The map moved in the view: zoomed, panned, resized, or reaching elsewhere.
    void viewChanged();
    /// A picture drawn to a scale with this top is shown (for white light, mixed).
    void scaleShown(double top, bool whiteLight);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createZoomActions();
    void makePicture();
    void paintMirror(QPainter &painter) const;
    void paintDetector(QPainter &painter) const;
    void paintTicks(QPainter &painter) const;
    void moveDetectorTo(Vec2 mapPoint);
    /// Pans as little as needed to bring a map point into the frame.
    void keepInView(Vec2 mapPoint);
    /// The experiment's extent, which the view shows whole at zoom 1.
    MapExtent extent() const;
    Vec2 withinMap(Vec2 mapPoint) const;
    /// Where the map's picture lies: each pixel the cell around a point of its grid.
    QRectF pictureRect() const;
    /// Pixels per twip, either way.
    double pixelsPerTwip() const;
    /// The centre kept where the frame shows only the map; after any change of zoom or extent.
    void clampCentre();
    /// Room around the frame for the ticks and their numbers.
    QMargins tickMargins() const;
    /// The nearest multiple of `step` beyond `value`, upwards for a positive direction.
    static double nextOnGrid(double value, double step, int direction);
    /// The extent's width against its height.
    double aspect() const;

    std::shared_ptr<const ProbabilityMap> m_map;
    std::optional<double> m_fixedScale;
    QImage m_picture;
    QImage m_greyPicture;
    bool m_greyed = false;
    QTimer *m_greyTimer;
    Experiment m_experiment;
    Vec2 m_detector{2500, 0};
    bool m_pictureShown = true;
    bool m_draggingSource = false;
    bool m_draggingTarget = false;
    double m_draggedSlit = 0; // how many separations the slit dragged lies from the axis
    std::vector<Layer *> m_layers;
    double m_zoom = 1;
    Vec2 m_centre{}; ///< the map point in the frame's middle
    std::optional<QPointF> m_panFrom;
    // The frame as last found, for the size and the extent it was found for.
    mutable std::optional<QRectF> m_frame;
    mutable QSize m_frameSize;
    mutable MapExtent m_frameExtent;
    QList<QAction *> m_zoomActions;
};

} // namespace veltrin
