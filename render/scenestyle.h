// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colour.h"

#include <QRgb>
#include <QtGlobal>
#include <vector>

namespace veltrin {

/// How the scene looks: what the colours a run draws in are shown as, how wide its rays and bars
/// are drawn, and what goes with them. A run names only the program's own colours; the window
/// chooses the style, and every picture of the scene is drawn in it. The colours are the
/// program's own, whatever the desktop's colour scheme. A default style is the normal look.
struct SceneStyle
{
    /// One of the run's colours, shown as another.
    struct Recolour
    {
        Colour from;
        QRgb to;
    };

    QRgb background = Colour::silver().argb(); ///< the picture's ground, and what erases (silver)
    QRgb foreground = qRgb(118, 118, 118);     ///< the axis, the mirror and the spirals
    QRgb rays = qRgb(255, 255, 255);           ///< the light rays
    QRgb prompt = qRgb(0, 0, 0);               ///< the words before the first run
    std::vector<Recolour> bars;                ///< bars in colours other than the run's own
    int rayWidening = 0;                       ///< pixels added to the pen the run draws rays with
    qreal barWidth = 0;   ///< pixels a recoloured bar is drawn with; 0 keeps the run's pen
    qreal labelScale = 1; ///< how much larger the captions of the scene's parts are, at most
    bool legend = false;  ///< a legend naming the frequencies by their colours
    /// Lines in the rays' or the foreground's colour leave the pixels of recoloured bars as they
    /// are; only the bars themselves and erasing cover them.
    bool raysUnderBars = false;
    /// Lines at least a device pixel wide, so that a picture at a small scale shows them in
    /// their full colour rather than faded to the ground.
    bool solidLines = false;

    /// For a projector: every part at least 3 to 1 against the ground, white; the frequencies in
    /// colours that viewers with any of the common colour-vision deficiencies tell apart; thicker
    /// rays and bars that stay solid at any scale, the rays beneath the bars, larger captions and
    /// a legend.
    static SceneStyle projector();
    /// For a figure on paper: the ground white, the rays a light blue that shows on it, the
    /// bars in the runs' own colours, the green darker.
    static SceneStyle figure();

    /// The colour a run's colour is shown in.
    QRgb shown(Colour colour) const;
    /// The width a line is drawn with that the run draws with a pen this wide in this colour.
    qreal penWidth(int pixels, Colour colour) const;
    /// Whether a pixel of this colour is a recoloured bar's.
    bool isBar(QRgb pixel) const;
};

} // namespace veltrin
