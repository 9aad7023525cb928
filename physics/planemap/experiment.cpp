// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment.h"

#include "mapgrid.h"
#include "pathsum.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

std::vector<double> Experiment::whiteWavenumbers()
{
    constexpr int colours = 7;
    std::vector<double> wavenumbers;
    for (int i = 0; i < colours; ++i)
        wavenumbers.push_back(lowestWavenumber +
                              (highestWavenumber - lowestWavenumber) * i / (colours - 1));
    return wavenumbers;
}

std::vector<double> Experiment::wavenumbers() const
{
    return whiteLight ? whiteWavenumbers() : std::vector<double>{wavenumber};
}

MapExtent Experiment::mapExtent() const
{
    if (element == Element::Slits) {
        MapExtent behind;
        behind.xEnd = Slits::mapEnd;
        return behind;
    }
    if (element != Element::Mirror)
        return {};
    // A fifth of the focal length beyond the focal plane, in whole steps of 500 twips, so that
    // the extent stays put while K moves a little.
    constexpr double roundTo = 500;
    MapExtent extent;
    double reach = 1.2 * shape.focalLength();
    if (source.isPoint())
        reach = std::max(reach, MapGrid::mapOf(source.at()).x + roundTo);
    reach = std::min(std::ceil(reach / roundTo) * roundTo, farthestReach);
    extent.xEnd = std::max(extent.xEnd, reach);
    return extent;
}

std::vector<MirrorPoint> Experiment::points(int pointsPerHalf) const
{
    return cut.applyTo(mirror().bothHalves(pointsPerHalf));
}

Boundary Experiment::boundary() const
{
    return Boundary(index, source, beamAngle, windowFrom, windowTo);
}

Lens Experiment::lens() const
{
    return Lens(index, MapGrid::mapOf(source.at()), target, cut);
}

Slits Experiment::slits() const
{
    return Slits(slitCount, slitWidth, slitSeparation, source);
}

std::vector<ArrowFan> Experiment::fans(int pointsPerHalf) const
{
    switch (element) {
    case Element::Boundary: {
        const int stride = Mirror::sampleCount / pointsPerHalf;
        return {boundary().transmitted(stride), boundary().reflected(stride)};
    }
    case Element::Lens:
        return {lens().fan(pointsPerHalf)};
    case Element::Slits:
        return slits().fans(pointsPerHalf);
    case Element::Mirror:
        break;
    }
    return {};
}

int Experiment::fanAt(Vec2 mapPoint) const
{
    switch (element) {
    case Element::Boundary:
        return Boundary::inMedium(mapPoint) ? 0 : 1;
    case Element::Lens:
        return Lens::beyond(mapPoint) ? 0 : -1;
    case Element::Slits:
        return Slits::behind(mapPoint) ? 0 : -1;
    case Element::Mirror:
        break;
    }
    return -1;
}

std::vector<ArrowFan> Experiment::groups(int pointsPerHalf) const
{
    std::vector<ArrowFan> all = fans(pointsPerHalf);
    if (element != Element::Slits || marksPaths())
        return all;
    // Unmarked, every slit's arrow adds to every other's: one group, one sum.
    ArrowFan joined = all.front();
    for (std::size_t slit = 1; slit < all.size(); ++slit) {
        const ArrowFan &fan = all[slit];
        joined.points.insert(joined.points.end(), fan.points.begin(), fan.points.end());
        joined.pathBefore.insert(joined.pathBefore.end(), fan.pathBefore.begin(),
                                 fan.pathBefore.end());
    }
    return {joined};
}

std::vector<Vec2> Experiment::slitResultants(Vec2 mapPoint, double k) const
{
    std::vector<Vec2> resultants;
    Vec2 total{0, 0};
    for (const ArrowFan &fan : slits().fans(Mirror::sampleCount)) {
        const Vec2 each = fan.resultantAt(MapGrid::sceneOf(mapPoint), k, PathSum::arrowLength);
        resultants.push_back(each);
        total = {total.x + each.x, total.y + each.y};
    }
    resultants.push_back(total);
    return resultants;
}

double Experiment::probabilityOf(Vec2 resultantOfBothHalves)
{
    return PathSum::probabilityOf({resultantOfBothHalves.x / 2, resultantOfBothHalves.y / 2});
}

double Experiment::probabilityAt(Vec2 mapPoint) const
{
    const std::vector<double> all = wavenumbers();
    double sum = 0;
    if (element == Element::Slits) {
        if (!Slits::behind(mapPoint))
            return 0;
        const std::vector<ArrowFan> added = groups();
        for (double k : all) {
            for (const ArrowFan &group : added)
                sum += probabilityOf(
                    group.resultantAt(MapGrid::sceneOf(mapPoint), k, PathSum::arrowLength));
        }
        return sum / double(all.size());
    }
    if (element != Element::Mirror) {
        const int fan = fanAt(mapPoint);
        if (fan < 0)
            return 0;
        const ArrowFan arrows = fans()[std::size_t(fan)];
        for (double k : all)
            sum += probabilityOf(
                arrows.resultantAt(MapGrid::sceneOf(mapPoint), k, PathSum::arrowLength));
        return sum / double(all.size());
    }
    const std::vector<MirrorPoint> present = points();
    for (double k : all) {
        PathSum pathSum(present, k, source);
        sum += probabilityOf(pathSum.resultantAt(MapGrid::sceneOf(mapPoint)));
    }
    return sum / double(all.size());
}

MirrorCut Experiment::zonesFor(Vec2 mapPoint) const
{
    const std::vector<MirrorPoint> reached = mirror().bothHalves();
    PathSum pathSum(reached, wavenumber, source);
    const Vec2 detector = MapGrid::sceneOf(mapPoint);
    pathSum.sumAt(detector, {});
    const std::span<const MirrorPoint> arrows = pathSum.points();
    const std::span<const double> phases = pathSum.phases();
    const Vec2 end = pathSum.chain().back();
    const double direction = std::atan2(end.y, end.x);

    MirrorCut zones;
    for (MirrorCut::Half half : {MirrorCut::Half::Lower, MirrorCut::Half::Upper})
        zones.set(half, 1, MirrorCut::maxHeight, false);
    for (std::size_t i = 0; i < arrows.size(); ++i) {
        if (std::cos(phases[i] - direction) >= 0) {
            const int height = MirrorCut::heightOf(arrows[i].sample);
            zones.set(MirrorCut::halfOf(arrows[i]), height, height, true);
        }
    }
    return zones;
}

} // namespace veltrin
