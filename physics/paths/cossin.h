// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace veltrin {

/// The cosine and sine of every angle, in double precision. Where the C library has vector
/// versions and the processor runs them, four angles go at a time; these differ from the scalar
/// functions by at most a few units in the last place.
void cosSinOf(std::span<const double> angles, std::span<double> cosines, std::span<double> sines);

} // namespace veltrin
