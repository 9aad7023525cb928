// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace veltrin::bench {

/// The arithmetic of a whole default run written as the plainest scalar loop: for each of the
/// 142 detector positions and 3000 mirror samples one square root, one cosine and one sine,
/// the arrows summed head to tail. A yardstick that does not change with the program.
/// Returns the squared length of the last spiral.
double referenceLoop();

/// The arithmetic of a whole probability map as the plainest scalar loop on one core: for each
/// of 425 × 300 points of the plane, every 20 twips, and each of the 6000 points of both halves
/// of the whole parabola (K = 0.0001, wavenumber 0.02, the beam) one square root, one cosine and
/// one sine. `rows` of the 300 may be fewer. Returns the sum of the map's values.
double referenceMap(int rows = 300);

} // namespace veltrin::bench
