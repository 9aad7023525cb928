// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

namespace veltrin {

/// The scene's unit, which the controls' layout and the drawing share: a twip is 1/1440 inch,
/// 15 of them to a pixel of a screen at 96 dots per inch.
inline constexpr int twipsPerPixel = 15;

/// How far the drawing reaches, in twips: the erase band's right and lower edges.
inline constexpr QSize pictureTwips{12000, 10000};

/// The drawing's size in pixels at its design scale: the whole picture, with room for the
/// round ends of the widest pen.
inline constexpr QSize picturePixels{pictureTwips.width() / twipsPerPixel + 10,
                                     pictureTwips.height() / twipsPerPixel + 10};

/// A control's place in twips as whole pixels at the design scale.
constexpr QRect twipsToPixels(const QRect &twips)
{
    return {twips.x() / twipsPerPixel, twips.y() / twipsPerPixel, twips.width() / twipsPerPixel,
            twips.height() / twipsPerPixel};
}

/// A place in pixels of the design scale at another scale: each edge is scaled and rounded, so
/// that places that meet at the design scale meet at every scale. Unchanged at scale 1.
inline QRect scaledRect(const QRect &pixels, double scale)
{
    const int left = qRound(pixels.x() * scale);
    const int top = qRound(pixels.y() * scale);
    return {left, top, qRound((pixels.x() + pixels.width()) * scale) - left,
            qRound((pixels.y() + pixels.height()) * scale) - top};
}

} // namespace veltrin
