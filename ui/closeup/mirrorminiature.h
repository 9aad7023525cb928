// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotpanel.h"

#include <QTransform>
#include <memory>

namespace veltrin {

class CloseUp;

/// The scene in miniature: the mirror in the colours of its points, the focus, the detector,
/// and the light's path from the source plane through one mirror point to the detector.
class MirrorMiniature : public PlotPanel
{
    Q_OBJECT

public:
    explicit MirrorMiniature(QWidget *parent = nullptr);

    /// What to show; nullptr for nothing. The close-up must live while it is shown.
    void setCloseUp(std::shared_ptr<const CloseUp> closeUp);
    /// The arrow whose path to draw, −1 for the path of least time.
    void setPathArrow(int arrow);

    QSize sizeHint() const override { return {400, 290}; }

protected:
    QSize minimumContentSize() const override;
    void paintContent(QPainter &painter) override;

private:
    /// Twips of the scene to pixels of the view.
    QTransform sceneToView() const;
    void paintMirror(QPainter &painter, const QTransform &toView) const;
    void paintMarks(QPainter &painter, const QTransform &toView) const;
    void paintPath(QPainter &painter, const QTransform &toView, int arrow) const;

    std::shared_ptr<const CloseUp> m_closeUp;
    int m_pathArrow = -1;
};

} // namespace veltrin
