// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotpanel.h"

#include <QFontMetricsF>
#include <QRectF>
#include <memory>
#include <vector>

namespace veltrin {

class CloseUp;

/// The length of every arrow's path, the time the light takes along it, against the height of
/// its mirror point, in the colours of the points. Where the curve is flat the arrows point
/// alike; a dashed line one wavelength above the shortest path shows how flat is flat enough.
/// Laid out from its texts: the ticks are as many as fit side by side, the titles whole.
class PathTimeGraph : public PlotPanel
{
    Q_OBJECT

public:
    explicit PathTimeGraph(QWidget *parent = nullptr);

    /// What to show; nullptr for nothing. The close-up must live while it is shown.
    void setCloseUp(std::shared_ptr<const CloseUp> closeUp);
    /// The arrow to ring, −1 for the one of least time.
    void setMarkedArrow(int arrow);

    QSize sizeHint() const override { return {400, 290}; }

protected:
    QSize minimumContentSize() const override;
    void paintContent(QPainter &painter) override;

private:
    /// Where everything goes: the path lengths shown, the plot's rectangle and its ticks.
    struct Frame
    {
        double low = 0;  ///< path length at the plot's bottom, twips
        double span = 0; ///< path lengths from bottom to top, twips
        double shortest = 0;
        double wavelength = 0;
        QRectF plot;
        std::vector<double> pathTicks;
        std::vector<double> heightTicks;
        QPointF toView(double height, double path) const;
    };

    Frame frame(const QFontMetricsF &metrics) const;
    void paintGrid(QPainter &painter, const Frame &frame) const;
    void paintAxisTitles(QPainter &painter, const Frame &frame) const;
    void paintWavelength(QPainter &painter, const Frame &frame) const;
    void paintCurve(QPainter &painter, const Frame &frame) const;

    std::shared_ptr<const CloseUp> m_closeUp;
    int m_marked = -1;
};

} // namespace veltrin
