// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twips.h"

// Where everything of a run stands, in twips: x to the right, y downwards from the top left
// of the window's client area.
namespace veltrin::scene {

inline constexpr double X0 = 2500;          ///< the mirror's vertex line; first detector position
inline constexpr double XS = 11000;         ///< the source plane; paths are measured from here
inline constexpr double Y0 = 4500;          ///< the optical axis
inline constexpr int AP = 6000;             ///< the mirror's height (aperture)
inline constexpr double YTOP = Y0 - AP / 2; ///< upper end of the mirror
inline constexpr double YBOT = Y0 + AP / 2; ///< lower end of the mirror

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
inline constexpr int raySpacing = 500;          ///< a pair of rays every 500 twips of u

inline constexpr double spiralBaseline = Y0 + 1700; ///< y where every spiral starts
inline constexpr double detectorStep = 60;          ///< between detector positions
/// Detector positions from the vertex line up to, not including, the source plane: 142.
inline constexpr int detectorPositions = int((XS - X0 + detectorStep - 1) / detectorStep);

/// Where the detector stands at position index (0 .. detectorPositions − 1).
constexpr double detectorX(int index)
{
    return X0 + detectorStep * index;
}

} // namespace veltrin::scene
