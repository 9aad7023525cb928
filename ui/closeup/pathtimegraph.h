// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotpanel.h"

namespace veltrin {

class CloseUp;

/// The length of every arrow's path, the time the light takes along it, against the height of
/// its mirror point, in the colours of the points. Where the curve is flat the arrows point
/// alike; a dashed line one wavelength above the shortest path shows how flat is flat enough.
class PathTimeGraph : public PlotPanel
{
    Q_OBJECT

public:
    explicit PathTimeGraph(QWidget *parent = nullptr);

    /// What to show; nullptr for nothing. The close-up must live while it is shown.
    void setCloseUp(const CloseUp *closeUp);
    /// The arrow to ring, −1 for the one of least time.
    void setMarkedArrow(int arrow);

    QSize sizeHint() const override { return {400, 290}; }
    QSize minimumSizeHint() const override { return {240, 180}; }

protected:
    void paintContent(QPainter &painter) override;

private:
    const CloseUp *m_closeUp = nullptr;
    int m_marked = -1;
};

} // namespace veltrin
