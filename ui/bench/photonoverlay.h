// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prediction.h"

#include <QImage>
#include <QWidget>
#include <span>
#include <vector>

namespace veltrin {

class BenchPhotons;
class MapView;

/// Drawn over the bench's map: the photons as small dots, kept in an image so that each frame
/// adds only the new ones, and the pupil's marks with, once revealed, how each did. While the
/// pupil predicts, a click marks a point, and so does Enter at the detector.
class PhotonOverlay : public QWidget
{
    Q_OBJECT

public:
    PhotonOverlay(MapView &view, BenchPhotons &photons, Prediction &prediction);

    /// Clicks and Enter mark points instead of moving the detector.
    void setPredicting(bool predicting);
    bool isPredicting() const { return m_predicting; }
    /// The scores to write beside the marks; none until revealed.
    void setScores(std::vector<Prediction::Score> scores);

signals:
    void marked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void redrawDots();
    void drawDots(std::span<const Vec2> hits);
    void mark(Vec2 mapPoint);

    MapView &m_view;
    BenchPhotons &m_photons;
    Prediction &m_prediction;
    bool m_predicting = false;
    std::vector<Prediction::Score> m_scores;
    QImage m_dots;
};

} // namespace veltrin
