// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the experiment stands, in twips: x to the right, y downwards from the top left of the
// window's client area.
namespace veltrin::scene {

inline constexpr double X0 = 2500;          ///< the mirror's vertex line; first detector position
inline constexpr double XS = 11000;         ///< the source plane; paths are measured from here
inline constexpr double Y0 = 4500;          ///< the optical axis
inline constexpr int AP = 6000;             ///< the mirror's height (aperture)
inline constexpr double YTOP = Y0 - AP / 2; ///< upper end of the mirror
inline constexpr double YBOT = Y0 + AP / 2; ///< lower end of the mirror

inline constexpr int raySpacing = 500; ///< a pair of rays every 500 twips of u

inline constexpr double spiralBaseline = Y0 + 1700; ///< y where every spiral starts
inline constexpr double detectorStep = 60;          ///< between detector positions
/// Detector positions from the vertex line up to, not including, the source plane: 142.
inline constexpr int detectorPositions = int((XS - X0 + detectorStep - 1) / detectorStep);

/// Where the detector stands at position index (0 .. detectorPositions − 1).
constexpr double detectorX(int index)
{
    return X0 + detectorStep * index;
}

/// The focus of a parabola x = K·u²: 1/(4K) beyond its vertex.
constexpr double focalLength(double k)
{
    return 1 / (4 * k);
}

} // namespace veltrin::scene
