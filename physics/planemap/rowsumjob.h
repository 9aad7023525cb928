// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What RowSum hands to the code path of each vector width; only RowSum and those paths see it.

namespace veltrin::rowsum {

/// Detectors are taken this many at a time, so every path gives every detector the same
/// arithmetic, whatever its vector width.
inline constexpr int block = 16;

struct Job
{
    const float *mirrorX;     ///< per arrow: the mirror point's x
    const float *riseSquared; ///< per arrow: the square of its height above or below the row
    const float *sourceTurns; ///< per arrow: the source's leg, the fraction of a turn
    int arrows;
    float turnsPerTwip;
    const float *detectorX; ///< `blocks * block` of them
    int blocks;
    double *sumX; ///< per detector, in arrows of length 1
    double *sumY;
};

void sumBaseline(const Job &job);
void sumAvx2(const Job &job);
void sumAvx512(const Job &job);

} // namespace veltrin::rowsum
