// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene.h"
#include "twips.h"

// Where a run's drawing puts what is not the experiment itself, in twips, and the pens it uses.
namespace veltrin::scene {

/// The axis and the spirals' baseline run this far right, and from here the incoming rays are
/// drawn again at every detector position: a little beyond the source plane.
inline constexpr double lineEnd = XS + 500;

/// The silver bar the first run paints over the prompt: 50 pixels wide, so that with its round
/// ends it covers the prompt's whole label.
inline constexpr double promptBarLeft = 5000;
inline constexpr double promptBarRight = 8000;
inline constexpr double promptBarY = 4000;
inline constexpr int promptBarPen = 50;

/// The band a later run erases: from the left of the mirror to the picture's right edge, down to
/// its bottom, from y = 1 (Yes) or from the axis (No). Lines 3 twips apart drawn with a pen
/// 3 pixels wide paint it without gaps.
inline constexpr double eraseLeft = 2000;
inline constexpr double eraseRight = pictureTwips.width();
inline constexpr int eraseTopAll = 1;
inline constexpr int eraseBottom = pictureTwips.height();
inline constexpr int eraseStep = 3;
inline constexpr int erasePen = 3;

inline constexpr float mirrorCircleRadius = 20; ///< each mirror sample is a small circle
inline constexpr int incomingRayPen = 2;        ///< the rays as the mirror stage draws them

} // namespace veltrin::scene
