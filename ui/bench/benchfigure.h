// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "mapgrid.h"
#include "paperfigure.h"
#include "vec2.h"

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <span>
#include <vector>

namespace veltrin {

/// The bench's experiment as a figure for a worksheet: the plane on white with its scale in
/// twips, the map in its colours beside their key, the mirror (kept strips solid, cut ones
/// faint), the point source, the detector, the photons and the pupil's marks; below it the
/// caption that names the experiment. With the map hidden, as while the pupil predicts, the
/// plane stays white and the mirror, the photons and the marks are drawn on it.
class BenchFigure : public PaperFigure
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::BenchFigure)

public:
    struct Contents
    {
        Experiment experiment;
        QImage map;           ///< the map's picture, highest y at the top; null where hidden
        double brightest = 0; ///< the colours' top, twips of bar, for the key
        bool whiteLight = false;
        Vec2 detector;
        std::span<const Vec2> photons; ///< read while the figure is made, not kept
        std::vector<Vec2> marks;
        QString caption;
    };

    explicit BenchFigure(const Contents &contents);

    QSizeF size() const override { return m_size; }
    void paint(QPainter &painter) const override;
    /// The caption.
    QString description() const override { return m_caption; }

    /// Where the plane lies in the figure, in pixels of the design scale.
    const QRectF &plane() const { return m_plane; }
    /// A map point's place in the figure.
    QPointF pixelOf(Vec2 mapPoint) const;

private:
    void paintScale(QPainter &painter) const;
    void paintMirror(QPainter &painter) const;
    void paintMarkers(QPainter &painter) const;
    void paintKey(QPainter &painter) const;
    /// The photons as dots on a layer of their own, twice the design scale: as many as a
    /// million stay one picture, in a vector file too.
    void drawDots(std::span<const Vec2> photons);

    Experiment m_experiment;
    MapExtent m_extent; // how far the plane reaches, the experiment's
    QImage m_map;
    double m_brightest;
    bool m_whiteLight;
    Vec2 m_detector;
    std::vector<Vec2> m_marks;
    QString m_caption;
    QImage m_dots;

    QFont m_labelFont;
    QFont m_captionFont;
    QRectF m_plane;
    QRectF m_key;
    QRectF m_captionArea;
    QSizeF m_size;
};

} // namespace veltrin
