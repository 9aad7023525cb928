// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture.h"
#include "surface.h"

#include <QImage>
#include <QWidget>

namespace veltrin {

/// The window's drawing area. Everything a run draws goes into a retained picture, so covering,
/// minimizing or resizing the window never loses it; a repaint only copies from it. The picture
/// has as many pixels as the screen the window is on: where the window moves to a screen of
/// another density, the picture is made anew and pictureRenewed asks for the runs on it.
class Canvas : public QWidget
{
    Q_OBJECT

public:
    explicit Canvas(QWidget *parent = nullptr);

    /// The retained picture, in device pixels at the canvas's device pixel ratio.
    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }

    /// Sets the words shown until the first run and starts the picture afresh with them.
    void setPrompt(const Prompt &prompt);
    const Prompt &prompt() const { return m_prompt; }

signals:
    /// The picture was made anew, blank, at a new pixel ratio; the runs on it must be drawn again.
    void pictureRenewed();
    /// The picture was clicked at a point of the scene, in twips.
    void pressedAt(veltrin::PointF twips);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    Prompt m_prompt;
    QImage m_image;
};

} // namespace veltrin
