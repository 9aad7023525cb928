// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "mapgrid.h"

#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

namespace veltrin {

class RowSum;
class WorkerPool;

/// The probability at every point of a grid in front of the mirror (or about the boundary or the
/// lens, or behind the slits), for one experiment: one layer per wavenumber (white light has
/// several), and their mean.
class ProbabilityMap
{
public:
    /// Called from the computing threads, as many times as the map has rows in all its layers,
    /// with the count of those done so far; it must be safe to call from any thread.
    using Progress = std::function<void(int done, int total)>;

    /// Computes the map on the pool's threads and the calling one, a row at a time. Returns
    /// nothing if `stop` is asked for before the last point is done, so that no part of a map of
    /// an earlier experiment is ever shown; rows not yet started are skipped.
    static std::optional<ProbabilityMap> compute(WorkerPool &pool, const Experiment &experiment,
                                                 const MapGrid &grid, std::stop_token stop = {},
                                                 const Progress &progress = {});
    /// The same on the program's shared pool.
    static std::optional<ProbabilityMap> compute(const Experiment &experiment, const MapGrid &grid,
                                                 std::stop_token stop = {},
                                                 const Progress &progress = {});

    const MapGrid &grid() const { return m_grid; }
    const Experiment &experiment() const { return m_experiment; }
    std::span<const double> wavenumbers() const { return m_wavenumbers; }

    /// The value at a grid point, rows counted from the lowest y; for white light the mean of
    /// the layers.
    double at(int column, int row) const { return m_mean[index(column, row)]; }
    /// One wavenumber's value.
    double layerAt(int layer, int column, int row) const
    {
        return m_layers[std::size_t(layer) * m_grid.size() + index(column, row)];
    }
    /// The value at the grid point nearest a map point.
    double near(Vec2 mapPoint) const
    {
        return at(m_grid.columnNear(mapPoint.x), m_grid.rowNear(mapPoint.y));
    }

    struct Peak
    {
        Vec2 at; ///< map point
        double value = 0;
    };
    /// The brightest point (the first of equals, by rows from the lowest).
    Peak brightest() const;

    /// The whole mirror's focus for the experiment's shape, source and light (a mirror's only): the
    /// brightest point of its coarse map, then followed uphill in steps of the full map's with
    /// every sample. Nothing if `stop` is asked for first.
    static std::optional<Peak> wholeMirrorFocus(WorkerPool &pool, const Experiment &experiment,
                                                std::stop_token stop = {});
    /// The same on the program's shared pool.
    static std::optional<Peak> wholeMirrorFocus(const Experiment &experiment,
                                                std::stop_token stop = {});

private:
    ProbabilityMap(const Experiment &experiment, const MapGrid &grid);
    void computeRow(const RowSum &sum, int layer, int row);
    /// A row of a boundary's or a lens's map: each point from the fan that reaches it, dark where
    /// none does.
    void computeFanRow(std::span<const RowSum> sums, int layer, int row);
    /// A row of the slits' map: the squared resultant of each group of arrows that add together,
    /// added.
    void computeGroupsRow(std::span<const RowSum> groups, int layer, int row);
    /// Fills the rows above the axis with their images below it.
    void mirrorLowerRows();
    std::size_t index(int column, int row) const
    {
        return std::size_t(row) * m_grid.columns() + column;
    }

    Experiment m_experiment;
    MapGrid m_grid;
    std::vector<double> m_wavenumbers;
    std::vector<double> m_layers; // layer after layer, each row after row
    std::vector<double> m_mean;
};

} // namespace veltrin
