// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace veltrin::bench {

/// The arithmetic of a whole default run written as the plainest scalar loop: for each of the
/// 142 detector positions and 3000 mirror samples one square root, one cosine and one sine,
/// the arrows summed head to tail. A yardstick that does not change with the program.
/// Returns the squared length of the last spiral.
double referenceLoop();

} // namespace veltrin::bench
