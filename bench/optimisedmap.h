// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace veltrin::bench {

/// A yardstick for the map: the full map of the whole parabola (K = 0.0001, wavenumber 0.02, the
/// beam; 425 × 300 points, 6000 arrows each) computed as fast as its arithmetic allows on one
/// core, written apart from the program: float lanes across a row's detectors, the phase in
/// turns with the source's leg reduced in double once per mirror point, one loop, and the arrow's
/// direction from a table of sixteen turned by a short series. AVX-512 or AVX2 where the
/// processor has them, else the same arithmetic a lane at a time. Returns the sum of the map's
/// values.
double optimisedMap();

/// The arrows the yardstick adds: 425 × 300 × 6000.
inline constexpr double optimisedMapArrows = 425.0 * 300 * 6000;

} // namespace veltrin::bench
