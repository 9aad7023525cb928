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

std::string MirrorPreset::nameOf(const MirrorCut &cut)
{
    for (const MirrorPreset &preset : presets) {
        if (preset.takes == Takes::Nothing && preset.cut(Experiment{}, 0, {}) == cut)
            return std::string(preset.name);
    }
    // A grating of period p keeps its strips up to p/2, cuts those up to p and keeps again from
    // p + 1: the first cut strip and the next kept one name the periods it may have.
    using Half = MirrorCut::Half;
    int firstCut = 0;
    int keptAgain = 0;
    for (int height = 1; height <= MirrorCut::maxHeight && keptAgain == 0; ++height) {
        if (!cut.keeps(Half::Upper, height) && firstCut == 0)
            firstCut = height;
        else if (cut.keeps(Half::Upper, height) && firstCut != 0)
            keptAgain = height;
    }
    for (const int period : {keptAgain - 1, 2 * firstCut - 2, 2 * firstCut - 1}) {
        if (firstCut > 0 && period >= shortestPeriod && period <= longestPeriod &&
            MirrorCut::grating(period) == cut)
            return std::string(of(Id::Grating).name) + ':' + std::to_string(period);
    }
    return {};
}

} // namespace veltrin
