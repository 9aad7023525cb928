// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirrorpreset.h"

#include <algorithm>
#include <array>

namespace veltrin {

namespace {

using Id = MirrorPreset::Id;
using Takes = MirrorPreset::Takes;

constexpr std::array<MirrorPreset, 5> presets{{
    {Id::Whole, "whole", Takes::Nothing},
    {Id::VertexStrip, "vertex", Takes::Nothing},
    {Id::Edges, "edges", Takes::Nothing},
    {Id::Grating, "grating", Takes::Period},
    {Id::Zones, "zones", Takes::Point},
}};

} // namespace

MirrorCut MirrorPreset::cut(const Experiment &experiment, double period, Vec2 at) const
{
    switch (id) {
    case Id::Whole:
        return MirrorCut::whole();
    case Id::VertexStrip:
        return MirrorCut::vertexStrip();
    case Id::Edges:
        return MirrorCut::edges();
    case Id::Grating:
        return MirrorCut::grating(period);
    case Id::Zones:
        return experiment.zonesFor(at);
    }
    return MirrorCut::whole();
}

std::span<const MirrorPreset> MirrorPreset::all()
{
    return presets;
}

const MirrorPreset &MirrorPreset::of(Id id)
{
    return *std::ranges::find(presets, id, &MirrorPreset::id);
}

const MirrorPreset *MirrorPreset::named(std::string_view name)
{
    const auto found = std::ranges::find(presets, name, &MirrorPreset::name);
    return found == presets.end() ? nullptr : &*found;
}

} // namespace veltrin
