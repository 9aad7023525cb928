// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arrowfan.h"
#include "boundary.h"
#include "lens.h"
#include "mapgrid.h"
#include "mirror.h"
#include "mirrorcut.h"
#include "mirrorshape.h"
#include "slits.h"
#include "source.h"
#include "vec2.h"

#include <vector>

namespace veltrin {

/// Everything a map of the plane depends on: what the light meets (the mirror, with its shape and
/// what is cut from it, or the boundary of a medium, or a lens, or a screen with slits), the
/// source, and the light's wavenumber or white light.
struct Experiment
{
    enum class Element { Mirror, Boundary, Lens, Slits };

    static constexpr double lowestK = 0.00002;
    static constexpr double highestK = 0.0005;
    static constexpr double lowestWavenumber = 0.01;  ///< the main window's Low, radians per twip
    static constexpr double highestWavenumber = 0.04; ///< its High

    MirrorShape shape = MirrorShape::parabola(0.0001);
    Source source = Source::beam();
    double wavenumber = 0.02;
    bool whiteLight = false; ///< the white wavenumbers added instead of `wavenumber`
    MirrorCut cut;           ///< the mirror's, or the lens's strips

    Element element = Element::Mirror;
    double index = 1.5;                        ///< the boundary's medium's, the lens's glass's
    double beamAngle = 0;                      ///< the boundary's beam, degrees from the normal
    double windowFrom = Boundary::defaultFrom; ///< where the boundary lets light in, map x
    double windowTo = Boundary::defaultTo;
    Vec2 target{7500, 0}; ///< where the lens gathers the light, a map point
    int slitCount = 2;
    double slitWidth = 100;       ///< twips
    double slitSeparation = 1000; ///< between neighbouring slits' centres
    bool whichPath = false;       ///< each slit marks the light that passes it
    bool eraser = false;          ///< the marks erased again before the detector

    /// The wavenumbers white light is made of, from lowest to highest, evenly spread.
    static std::vector<double> whiteWavenumbers();
    /// The wavenumbers a map adds: white light's, or the one.
    std::vector<double> wavenumbers() const;

    /// The farthest a map reaches from the vertex line, however far the focus lies.
    static constexpr double farthestReach = 17000;

    Mirror mirror() const { return Mirror(shape); }
    /// Where a map of this experiment reaches: over the mirror's height, and from the vertex line
    /// to the source plane or, where the focal plane lies near or beyond it, well beyond the
    /// focal plane (and a point source), so that the focus and the light gathered beside it lie
    /// inside. Behind the slits, from their screen to Slits::mapEnd.
    MapExtent mapExtent() const;
    Boundary boundary() const;
    /// The lens; only for a point source.
    Lens lens() const;
    Slits slits() const;
    /// Whether the arrows of different slits reach the detector apart, each slit's marked
    /// and not erased: then the probability is the sum of each slit's own.
    bool marksPaths() const { return element == Element::Slits && whichPath && !eraser; }
    /// The boundary's or the lens's arrows, sampled as the mirror would be with `pointsPerHalf`
    /// points a half: each fan reaches its own part of the map.
    std::vector<ArrowFan> fans(int pointsPerHalf = Mirror::sampleCount) const;
    /// Which of the fans reaches a map point; −1 where none does. Every slit reaches every point
    /// behind the screen: the first is named.
    int fanAt(Vec2 mapPoint) const;
    /// The arrows that add together, for the map: each a group whose resultant's squared length
    /// the point's probability adds. The element's one fan that reaches a point; for the slits
    /// each slit's fan where the paths are marked, all their arrows in one otherwise.
    std::vector<ArrowFan> groups(int pointsPerHalf = Mirror::sampleCount) const;
    /// For the slits at a map point: each slit's own resultant, from the lowest, then the
    /// total, each as the map adds it.
    std::vector<Vec2> slitResultants(Vec2 mapPoint, double wavenumber) const;

    /// Both halves' points (as Mirror::bothHalves samples them), the cut ones absent.
    std::vector<MirrorPoint> points(int pointsPerHalf = Mirror::sampleCount) const;

    /// The map's value for the resultant of both halves' arrows: the squared length of its half,
    /// scaled as the bars are, so that on the axis, with the whole mirror and the beam, it is the
    /// run's bar (the halves' arrows are alike there).
    static double probabilityOf(Vec2 resultantOfBothHalves);
    /// The value at a map point with every sample; for white light, the mean of its colours'.
    double probabilityAt(Vec2 mapPoint) const;

    /// Zones for a map point: only the strips (where the shape reaches) whose arrows there turn
    /// within a quarter turn either side of the whole mirror's resultant, at `wavenumber`. They
    /// all push the sum one way, so the point grows brighter than with the whole mirror.
    MirrorCut zonesFor(Vec2 mapPoint) const;

    friend bool operator==(const Experiment &, const Experiment &) = default;
};

} // namespace veltrin
