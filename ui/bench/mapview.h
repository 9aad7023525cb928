// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "vec2.h"

#include <QImage>
#include <QWidget>
#include <memory>

class QTimer;

namespace veltrin {

class ProbabilityMap;

/// The plane in front of the mirror: the map's picture, the mirror over it (kept strips bright,
/// cut ones faint), a point source, which the pupil drags, and the detector, which the pupil
/// drags anywhere or moves with the arrow keys on the map's grid, to the next multiple of the
/// step (Shift for fine steps), so that round positions are in reach. Until the map of a new
/// experiment is in, the last picture stays: in its colours for a moment, as a drag's pictures
/// follow one another, then greyed, so that the pupil never takes it for the new one.
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

    Vec2 detector() const { return m_detector; }
    /// Moves the detector (kept inside the map).
    void setDetector(Vec2 mapPoint);

    /// Where the map lies in the view, and a map point's pixel and back.
    QRectF mapRect() const;
    QPointF pixelOf(Vec2 mapPoint) const;
    Vec2 mapPointAt(QPointF pixel) const;

    /// The view's width at which the map fills its height, proportions kept.
    int widthForHeight(int height) const;

    QSize sizeHint() const override { return {680, 480}; }
    QSize minimumSizeHint() const override { return {340, 240}; }

signals:
    void detectorMoved(Vec2 mapPoint);
    /// The pupil drags the point source.
    void sourceMoved(Vec2 mapPoint);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void paintMirror(QPainter &painter) const;
    void paintDetector(QPainter &painter) const;
    void moveDetectorTo(Vec2 mapPoint);
    /// The experiment's extent, which the view shows whole.
    MapExtent extent() const;
    Vec2 withinMap(Vec2 mapPoint) const;
    /// Where the map's picture lies: each pixel the cell around a point of its grid.
    QRectF pictureRect() const;
    /// The nearest multiple of `step` beyond `value`, upwards for a positive direction.
    static double nextOnGrid(double value, double step, int direction);
    /// The extent's width against its height.
    double aspect() const;

    std::shared_ptr<const ProbabilityMap> m_map;
    QImage m_picture;
    QImage m_greyPicture;
    bool m_greyed = false;
    QTimer *m_greyTimer;
    Experiment m_experiment;
    Vec2 m_detector{2500, 0};
    bool m_pictureShown = true;
    bool m_draggingSource = false;
};

} // namespace veltrin
