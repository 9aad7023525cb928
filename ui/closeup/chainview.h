// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotpanel.h"

#include <QPointF>
#include <QTransform>
#include <memory>

namespace veltrin {

class CloseUp;

/// The arrows of one detector position head to tail, enlarged to fill the view, each in the
/// colour of its mirror point, and their resultant as a bold arrow in the colour of the run's
/// bars. Tells which arrow the pointer is over.
class ChainView : public PlotPanel
{
    Q_OBJECT

public:
    /// Arrows shorter than this on the screen show no head: it could not be told apart.
    static constexpr double smallestHeadedArrow = 8; // pixels

    explicit ChainView(QWidget *parent = nullptr);

    /// What to show; nullptr for nothing. Kept while shown.
    void setCloseUp(std::shared_ptr<const CloseUp> closeUp);
    void setResultantColour(const QColor &colour);
    /// The arrow to ring as the chosen one, −1 for none.
    void setMarkedArrow(int arrow);
    /// One scale for every position: the chain this long (twips) fills the view; 0 fits each
    /// chain to the view.
    void setCommonExtent(double twips);

    /// The arrow under the pointer, −1 for none.
    int hoveredArrow() const { return m_hovered; }

    QSize sizeHint() const override { return {520, 480}; }

signals:
    void hoveredArrowChanged(int arrow);

protected:
    QSize minimumContentSize() const override;
    void paintContent(QPainter &painter) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    /// Twips of the chain to pixels of the view.
    QTransform chainToView() const;
    void paintArrows(QPainter &painter, const QTransform &toView) const;
    void paintResultant(QPainter &painter, const QTransform &toView) const;
    void paintScaleBar(QPainter &painter, const QTransform &toView) const;
    void updateHovered();
    int arrowAt(QPointF pixel) const;

    std::shared_ptr<const CloseUp> m_closeUp;
    QColor m_resultantColour = Qt::black;
    int m_marked = -1;
    double m_commonExtent = 0;
    int m_hovered = -1;
    QPointF m_pointer{-1, -1}; // the pointer's last place in the view, outside when negative
};

} // namespace veltrin
