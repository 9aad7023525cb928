// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "mirrorcut.h"
#include "vec2.h"

#include <span>
#include <string>
#include <string_view>

namespace veltrin {

/// A mirror cut by name: the whole mirror, a strip around the vertex, the edges, a grating of a
/// period, and the zones for a point. The experiment bench lists them in this table's order and
/// the command line takes them by name (--mirror grating:400); a new preset is one more row.
struct MirrorPreset
{
    enum class Id { Whole, VertexStrip, Edges, Grating, Zones };
    /// What the cut needs besides the experiment: nothing, a grating's period or a map point.
    enum class Takes { Nothing, Period, Point };

    /// A grating's period, twips, from a strip and a gap of 10 twips each to 1500 each.
    static constexpr int shortestPeriod = 20;
    static constexpr int longestPeriod = 3000;

    Id id;
    std::string_view name; ///< as the command line writes it
    Takes takes;

    /// The strips it keeps of the experiment's mirror: for a grating, of `period` twips; for the
    /// zones, those for the map point `at`, at the experiment's wavenumber and source.
    MirrorCut cut(const Experiment &experiment, double period, Vec2 at) const;

    /// Every preset, in the order the bench lists them.
    static std::span<const MirrorPreset> all();
    static const MirrorPreset &of(Id id);
    /// The preset of this name, or nullptr.
    static const MirrorPreset *named(std::string_view name);
    /// How the command line names this cut: a preset that takes nothing (whole), or a grating
    /// of a whole period (grating:400); empty for any other cut, by hand or a point's zones.
    static std::string nameOf(const MirrorCut &cut);
};

} // namespace veltrin
