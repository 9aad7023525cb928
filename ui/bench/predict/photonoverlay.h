// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapview.h"
#include "prediction.h"

#include <QImage>
#include <QWidget>
#include <span>
#include <vector>

namespace veltrin {

class BenchPhotons;

/// Drawn over the bench's map: the photons as dots that add up, so that where they crowd the
/// light grows brighter, and the pupil's marks with, once revealed, how the latest did. While the
/// pupil predicts, a click marks a point, and so does Enter at the detector.
class PhotonOverlay : public QWidget, public MapView::Layer
{
    Q_OBJECT

public:
    /// How many of the latest marks are labelled on the map; older ones are rings alone.
    static constexpr std::size_t labelledMarks = 10;

    PhotonOverlay(MapView &view, BenchPhotons &photons, Prediction &prediction);

    /// Clicks and Enter mark points instead of moving the detector.
    void setPredicting(bool predicting);
    bool isPredicting() const { return m_predicting; }
    /// The scores to write beside the marks; none until revealed.
    void setScores(std::vector<Prediction::Score> scores);

    /// The light the photons add to a pixel they hit `count` times, the most any pixel got being
    /// `most`: a dim pink for one, toward white for the most, on a logarithmic scale so that a
    /// lone photon shows beside thousands. Premultiplied.
    static QRgb dotColour(std::uint32_t count, std::uint32_t most);

    void paintLayer(QPainter &painter) override;

    /// Marks a map point as the pupil's click or Enter does while predicting.
    void mark(Vec2 mapPoint);

signals:
    void marked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void redrawDots();
    /// Adds photons just landed and shows them.
    void drawDots(std::span<const Vec2> hits);
    void addDots(std::span<const Vec2> hits);
    /// Every pixel hit coloured again, against a new most.
    void recolourDots();
    /// The marks' rings, kept in an image; the latest marks' labels, drawn with each frame.
    void paintRings(QPainter &painter) const;
    void paintLabels(QPainter &painter) const;
    /// A mark's ring, pixels: its reach, or a little more where the map is small.
    double markRadius() const;
    /// The map shown moved or changed size: the dots and marks go elsewhere.
    void viewChanged();

    MapView &m_view;
    BenchPhotons &m_photons;
    Prediction &m_prediction;
    bool m_predicting = false;
    std::vector<Prediction::Score> m_scores;

    // The dots in the view's device pixels: how many photons each pixel got, and its colour.
    QImage m_dots;
    std::vector<std::uint32_t> m_hitsPerPixel;
    std::uint32_t m_scaleMost = 1; ///< a power of two, the colours' top, at least the most
    std::vector<QRgb> m_shades;    ///< dotColour for each count up to m_scaleMost
    bool m_dotsStale = true;

    QImage m_marks; ///< the marks' rings, drawn again only when they or the view change
    bool m_marksStale = true;
};

} // namespace veltrin
