#pragma once

// Where everything of a run stands, in twips: x to the right, y downwards from the top left
// of the window's client area.
namespace veltrin::scene {

inline constexpr double X0 = 2500;          ///< the mirror's vertex line; first detector position
inline constexpr double XS = 11000;         ///< the source plane; paths are measured from here
inline constexpr double Y0 = 4500;          ///< the optical axis
inline constexpr int AP = 6000;             ///< the mirror's height (aperture)
inline constexpr double YTOP = Y0 - AP / 2; ///< upper end of the mirror
inline constexpr double YBOT = Y0 + AP / 2; ///< lower end of the mirror

} // namespace veltrin::scene
