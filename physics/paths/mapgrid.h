// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirror.h"
#include "pathsum.h"
#include "scene.h"
#include "vec2.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

/// How far a map reaches, in map coordinates: from the vertex line (x = 0) to `xEnd`, and
/// `halfHeight` above and below the axis. The mirror's own extent, the default, runs to the
/// source plane and over the mirror's height.
struct MapExtent
{
    double xEnd = scene::XS - scene::X0; ///< 8500
    double halfHeight = scene::AP / 2.0; ///< 3000

    double yLow() const { return -halfHeight; }
    double yEnd() const { return halfHeight; }
    /// Whether a map point lies within, edges included.
    bool contains(Vec2 mapPoint) const
    {
        return mapPoint.x >= 0 && mapPoint.x <= xEnd && std::abs(mapPoint.y) <= halfHeight;
    }

    friend bool operator==(const MapExtent &, const MapExtent &) = default;
};

/// The points of the plane in front of the mirror where a map is computed, and how finely the
/// mirror is sampled for it. Map coordinates, in twips: x from the vertex line towards the source
/// plane, y above the axis (negative below it). The grid runs over its extent, both edges
/// included where the step meets them, with a row on the axis and the rows above it the images
/// of those below.
class MapGrid
{
public:
    /// The full map: every 20 twips, every mirror sample (426 × 301 points of the mirror's
    /// extent, 6000 arrows each).
    static MapGrid full(MapExtent extent = {}) { return MapGrid(20, Mirror::sampleCount, extent); }
    /// The map shown at once while the full one is computed: every 100 twips, a third of the
    /// samples, each arrow three times as long.
    static MapGrid coarse(MapExtent extent = {})
    {
        return MapGrid(100, Mirror::sampleCount / 3, extent);
    }

    /// `pointsPerHalf` divides the mirror's samples.
    explicit MapGrid(double step, int pointsPerHalf = Mirror::sampleCount, MapExtent extent = {})
        : m_step(step), m_pointsPerHalf(pointsPerHalf), m_extent(extent)
    {
    }

    /// The same steps and samples over another extent.
    MapGrid over(MapExtent extent) const { return MapGrid(m_step, m_pointsPerHalf, extent); }
    /// Whether the grids take the same steps and samples, whatever their extents.
    bool samplesAs(const MapGrid &other) const
    {
        return m_step == other.m_step && m_pointsPerHalf == other.m_pointsPerHalf;
    }

    double step() const { return m_step; }
    int pointsPerHalf() const { return m_pointsPerHalf; }
    const MapExtent &extent() const { return m_extent; }
    /// Every arrow's length, so that the coarsest sum still spans the whole mirror.
    double arrowLength() const
    {
        return PathSum::arrowLength * Mirror::sampleCount / m_pointsPerHalf;
    }

    int columns() const { return wholeSteps(m_extent.xEnd) + 1; }
    int rows() const { return 2 * axisRow() + 1; }
    int size() const { return columns() * rows(); }
    /// The row on the axis, y = 0.
    int axisRow() const { return wholeSteps(m_extent.halfHeight); }
    double x(int column) const { return column * m_step; }
    double y(int row) const { return (row - axisRow()) * m_step; }

    /// The column and row nearest a map point, within the grid.
    int columnNear(double x) const
    {
        return std::clamp(int(std::lround(x / m_step)), 0, columns() - 1);
    }
    int rowNear(double y) const
    {
        return std::clamp(int(std::lround(y / m_step)) + axisRow(), 0, rows() - 1);
    }

    /// Where a map point stands in the scene, and back.
    static Vec2 sceneOf(Vec2 mapPoint) { return {scene::X0 + mapPoint.x, scene::Y0 - mapPoint.y}; }
    static Vec2 mapOf(Vec2 scenePoint)
    {
        return {scenePoint.x - scene::X0, scene::Y0 - scenePoint.y};
    }

    friend bool operator==(const MapGrid &, const MapGrid &) = default;

private:
    /// How many whole steps fit in a length (a step that lands within a hair of its end counts).
    int wholeSteps(double length) const { return int(std::floor(length / m_step + 1e-9)); }

    double m_step;
    int m_pointsPerHalf;
    MapExtent m_extent;
};

} // namespace veltrin
