// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arrowfan.h"
#include "scene.h"
#include "source.h"
#include "vec2.h"

#include <vector>

namespace veltrin {

/// An opaque screen along the map's x = 0 with one to a dozen slits of one width, centred on the
/// axis, each its separation from the next. The light comes from the left: a parallel beam along
/// the axis, or a point source before the screen (at negative x). Each slit is sampled as the
/// mirror is, a point every so many twips across its width, and each point sends its arrow, turned
/// by the way from the source to it, to every detector behind the screen.
class Slits
{
public:
    static constexpr int mostSlits = 12;
    static constexpr double narrowest = 10; ///< twips
    static constexpr double widest = 2000;
    /// The screen's height, which the whole set of slits must fit.
    static constexpr double screenHeight = scene::AP;
    /// How far behind the screen a map reaches.
    static constexpr double mapEnd = 8480;

    /// `source` in the scene, as Experiment keeps it; `separation` between neighbouring centres.
    Slits(int count, double width, double separation, Source source);

    /// Whether slits of these measures stand apart from each other and fit the screen.
    static bool fit(int count, double width, double separation);

    int count() const { return m_count; }
    /// A slit's centre, map y; the slits counted from the lowest.
    double centre(int slit) const;
    /// One slit's arrows, sampled every Mirror::sampleCount / pointsPerHalf twips.
    ArrowFan fan(int slit, int pointsPerHalf) const;
    /// Every slit's fan, from the lowest.
    std::vector<ArrowFan> fans(int pointsPerHalf) const;
    /// Whether a map point lies behind the screen, where the light comes through.
    static bool behind(Vec2 mapPoint) { return mapPoint.x >= 0; }

private:
    int m_count;
    double m_width;
    double m_separation;
    Source m_source;
};

} // namespace veltrin
