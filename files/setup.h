// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "vec2.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace veltrin {

/// An experiment as a teacher keeps it: what the light meets and how, where the detector
/// stands, the photons to send, the pupil's predictions and what the bench shows.
struct Setup
{
    static constexpr int mostPhotons = 10'000'000;
    static constexpr std::size_t mostPredictions = 1000;

    /// The glass layer, shown in place of a map: lit straight on by the experiment's light, of
    /// the experiment's index.
    struct Glass
    {
        static constexpr double thickest = 1000; ///< twips, as thick as the bench shows it

        double thickness = 0; ///< twips
        bool echoes = false;  ///< the paths back and forth inside the layer added

        friend bool operator==(const Glass &, const Glass &) = default;
    };

    Experiment experiment;
    Vec2 detector{5000, 0}; ///< a map point
    std::uint64_t photonSeed = 1;
    int photonCount = 1000;
    std::vector<Vec2> predictions; ///< map points, in the order they were marked
    bool mapShown = true;
    bool predictFirst = false; ///< the map hidden until the pupil reveals it
    /// The glass layer in place of the experiment: then only the light and the index count.
    std::optional<Glass> glass;

    friend bool operator==(const Setup &, const Setup &) = default;
};

} // namespace veltrin
