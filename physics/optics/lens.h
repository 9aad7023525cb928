// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arrowfan.h"
#include "mapgrid.h"
#include "mirrorcut.h"
#include "vec2.h"

namespace veltrin {

/// A thin lens standing across the middle of the map, as tall as the mirror, between a point
/// source and a target: glass as thick at each height as makes every path source → lens → target
/// take the same time, none at the rim. The glass delays the light by (n − 1) times its thickness
/// over the air it takes the place of. The lens is sampled as the mirror is, its strips cut as
/// the mirror's are; it shows only the light that has come through it.
class Lens
{
public:
    /// Where the lens stands, map x: across the middle of the mirror's map.
    static constexpr double x = MapExtent().xEnd / 2;

    /// `source` and `target` are map points, before and beyond the lens.
    Lens(double index, Vec2 source, Vec2 target, MirrorCut cut = {});

    /// The glass's thickness at map height y, twips; none for glass of index 1, which is air.
    double thickness(double y) const;
    /// The arrows of the strips kept, the lens sampled as Mirror::bothHalves(pointsPerHalf).
    ArrowFan fan(int pointsPerHalf) const;
    /// Whether a map point lies beyond the lens, where its light goes.
    static bool beyond(Vec2 mapPoint) { return mapPoint.x > x; }

private:
    /// The way source → lens at height y → target, in air.
    double pathVia(double y) const;

    double m_index;
    Vec2 m_source;
    Vec2 m_target;
    MirrorCut m_cut;
    double m_rimPath;
};

} // namespace veltrin
