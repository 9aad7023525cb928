// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirror.h"
#include "pathsum.h"
#include "scene.h"
#include "vec2.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

/// The points of the plane in front of the mirror where a map is computed, and how finely the
/// mirror is sampled for it. Map coordinates, in twips: x from the vertex line towards the source
/// plane, y above the axis (negative below it). The grid runs from the vertex line up to, not
/// including, the source plane, and from the mirror's lower end up to, not including, its upper.
class MapGrid
{
public:
    static constexpr double xEnd = scene::XS - scene::X0; ///< 8500
    static constexpr double yLow = -scene::AP / 2;        ///< −3000
    static constexpr double yEnd = scene::AP / 2;         ///< 3000

    /// The full map: every 20 twips, every mirror sample (425 × 300 points, 6000 arrows each).
    static MapGrid full() { return MapGrid(20); }
    /// The map shown at once while the full one is computed: every 100 twips, a third of the
    /// samples, each arrow three times as long.
    static MapGrid coarse() { return MapGrid(100, Mirror::sampleCount / 3); }

    /// `pointsPerHalf` divides the mirror's samples.
    explicit MapGrid(double step, int pointsPerHalf = Mirror::sampleCount)
        : m_step(step), m_pointsPerHalf(pointsPerHalf)
    {
    }

    double step() const { return m_step; }
    int pointsPerHalf() const { return m_pointsPerHalf; }
    /// Every arrow's length, so that the coarsest sum still spans the whole mirror.
    double arrowLength() const
    {
        return PathSum::arrowLength * Mirror::sampleCount / m_pointsPerHalf;
    }

    int columns() const { return int(std::ceil(xEnd / m_step)); }
    int rows() const { return int(std::ceil((yEnd - yLow) / m_step)); }
    int size() const { return columns() * rows(); }
    double x(int column) const { return column * m_step; }
    double y(int row) const { return yLow + row * m_step; }

    /// The column and row nearest a map point, within the grid.
    int columnNear(double x) const
    {
        return std::clamp(int(std::lround(x / m_step)), 0, columns() - 1);
    }
    int rowNear(double y) const
    {
        return std::clamp(int(std::lround((y - yLow) / m_step)), 0, rows() - 1);
    }

    /// Where a map point stands in the scene, and back.
    static Vec2 sceneOf(Vec2 mapPoint) { return {scene::X0 + mapPoint.x, scene::Y0 - mapPoint.y}; }
    static Vec2 mapOf(Vec2 scenePoint)
    {
        return {scenePoint.x - scene::X0, scene::Y0 - scenePoint.y};
    }

    friend bool operator==(const MapGrid &, const MapGrid &) = default;

private:
    double m_step;
    int m_pointsPerHalf;
};

} // namespace veltrin
