// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture.h"
#include "picturememory.h"
#include "surface.h"

#include <QImage>
#include <QWidget>
#include <optional>

namespace veltrin {

/// The window's drawing area. Everything a run draws goes into a retained picture, so covering,
/// minimizing or resizing the window never loses it; a repaint only copies from it. The drawing
/// is shown at a scale, the window's, and its picture has as many pixels as the drawing takes on
/// the screen the window is on: where the scale changes, or the window moves to a screen of
/// another density, the picture is made anew and pictureRenewed asks for the runs on it. A style
/// with a legend has it painted over the picture.
class Canvas : public QWidget
{
    Q_OBJECT

public:
    explicit Canvas(QWidget *parent = nullptr);

    /// The retained picture: its device pixel ratio is the scale times the screen's, so that
    /// its logical pixels are those of the design scale.
    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }

    /// Sets the words shown until the first run and starts the picture afresh with them.
    void setPrompt(const Prompt &prompt);
    const Prompt &prompt() const { return m_prompt; }
    /// Whether a run has painted over the prompt, so that pictures made anew leave it out.
    void setPromptCovered(bool covered);

    /// Sets the style the scene is drawn in and starts the picture afresh in it; pictureRenewed
    /// asks for the runs on it.
    void setSceneStyle(const SceneStyle &style);
    const SceneStyle &sceneStyle() const { return m_style; }

    /// Shows the drawing at this scale of its design size, with a picture made anew for it.
    void setScale(double scale);
    double scale() const { return m_scale; }

    /// Repaints at once what changed on the picture, given in pixels of the design scale.
    void repaintScene(const QRegion &changed);

    /// Marks a point of the scene (twips) with a small pointer above it, painted over the
    /// picture and never into it; nothing removes the mark.
    void setMark(std::optional<PointF> twips);
    std::optional<PointF> mark() const { return m_mark; }

signals:
    /// The picture was made anew, blank, at a new pixel ratio or in a new style; the runs on it
    /// must be drawn again.
    void pictureRenewed();
    /// The picture was clicked at a point of the scene, in twips.
    void pressedAt(veltrin::PointF twips);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    /// Makes the picture anew, blank, and asks for the runs on it.
    void renew();
    /// Makes the picture anew, blank.
    void makePicture();
    /// How many device pixels of the picture make a pixel of the design scale.
    double pictureRatio() const;
    /// Where the mark is painted, in pixels of the canvas.
    QRect markRect() const;

    Prompt m_prompt;
    bool m_promptCovered = false;
    SceneStyle m_style;
    double m_scale = 1;
    PictureMemory m_memory; // before the picture, which gives its memory back to it
    QImage m_image;
    std::optional<PointF> m_mark;
};

} // namespace veltrin
