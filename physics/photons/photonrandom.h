// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace veltrin {

/// Where photons land: random numbers that are the same on every machine for the same seed.
/// The 64-bit Mersenne Twister's raw output is fixed by the C++ standard; the standard's
/// distributions are not, so the doubles are made from the raw bits here.
class PhotonRandom
{
public:
    explicit PhotonRandom(std::uint64_t seed) : m_engine(seed) {}

    /// A number in [0, 1), from the top 53 bits of the next raw output.
    double uniform() { return double(m_engine() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 m_engine;
};

} // namespace veltrin
