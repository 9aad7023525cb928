// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "vec2.h"

#include <cstdint>
#include <vector>

namespace veltrin {

/// An experiment as a teacher keeps it: what the light meets and how, where the detector
/// stands, the photons to send, the pupil's predictions and what the bench shows.
struct Setup
{
    static constexpr int mostPhotons = 10'000'000;
    static constexpr std::size_t mostPredictions = 1000;

    Experiment experiment;
    Vec2 detector{5000, 0}; ///< a map point
    std::uint64_t photonSeed = 1;
    int photonCount = 1000;
    std::vector<Vec2> predictions; ///< map points, in the order they were marked
    bool mapShown = true;
    bool predictFirst = false; ///< the map hidden until the pupil reveals it

    friend bool operator==(const Setup &, const Setup &) = default;
};

} // namespace veltrin
