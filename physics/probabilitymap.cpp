// SPDX-License-Identifier: GPL-3.0-or-later
#include "probabilitymap.h"

#include "pathsum.h"
#include "rowsum.h"
#include "workerpool.h"

#include <algorithm>
#include <atomic>

namespace veltrin {

ProbabilityMap::ProbabilityMap(const Experiment &experiment, const MapGrid &grid)
    : m_experiment(experiment), m_grid(grid), m_wavenumbers(experiment.wavenumbers()),
      m_layers(m_wavenumbers.size() * grid.size()), m_mean(grid.size())
{
}

std::optional<ProbabilityMap> ProbabilityMap::compute(const Experiment &experiment,
                                                      const MapGrid &grid, std::stop_token stop,
                                                      const Progress &progress)
{
    return compute(WorkerPool::shared(), experiment, grid, std::move(stop), progress);
}

std::optional<ProbabilityMap> ProbabilityMap::compute(WorkerPool &pool,
                                                      const Experiment &experiment,
                                                      const MapGrid &grid, std::stop_token stop,
                                                      const Progress &progress)
{
    ProbabilityMap map(experiment, grid);
    const std::vector<MirrorPoint> points = experiment.points(grid.pointsPerHalf());
    std::vector<RowSum> sums;
    for (double wavenumber : map.m_wavenumbers)
        sums.emplace_back(points, wavenumber, experiment.source, grid.arrowLength());
    // Where the arrows mirror each other across the axis, so does the map: the rows above it
    // are copies of those below.
    const int rows = sums.front().isSymmetric() ? grid.axisRow() + 1 : grid.rows();
    const int total = rows * int(map.m_wavenumbers.size());

    // Rows of every layer are handed out one at a time to whichever thread is free: rows near the
    // mirror cost no more than far ones, but cores shared with other programs finish unevenly.
    std::atomic<int> done = 0;
    auto makeJob = [&]() -> WorkerPool::Job {
        return [&](int job) {
            const int layer = job / rows;
            map.computeRow(sums[std::size_t(layer)], layer, job % rows);
            const int finished = ++done;
            if (progress)
                progress(finished, total);
        };
    };
    if (!pool.parallelFor(total, stop, makeJob))
        return std::nullopt;
    if (rows < grid.rows())
        map.mirrorLowerRows();

    const std::size_t size = map.m_mean.size();
    const double layers = double(map.m_wavenumbers.size());
    for (std::size_t layer = 0; layer < map.m_wavenumbers.size(); ++layer) {
        for (std::size_t i = 0; i < size; ++i)
            map.m_mean[i] += map.m_layers[layer * size + i] / layers;
    }
    return map;
}

void ProbabilityMap::computeRow(const RowSum &sum, int layer, int row)
{
    const int columns = m_grid.columns();
    std::vector<double> xs(std::size_t(columns), 0.0);
    for (int column = 0; column < columns; ++column)
        xs[std::size_t(column)] = MapGrid::sceneOf({m_grid.x(column), 0}).x;
    std::vector<double> sumX(xs.size());
    std::vector<double> sumY(xs.size());
    sum.resultants(MapGrid::sceneOf({0, m_grid.y(row)}).y, xs, sumX, sumY);
    double *out = m_layers.data() + std::size_t(layer) * m_grid.size() + index(0, row);
    for (std::size_t column = 0; column < xs.size(); ++column)
        out[column] = Experiment::probabilityOf({sumX[column], sumY[column]});
}

void ProbabilityMap::mirrorLowerRows()
{
    const int axis = m_grid.axisRow();
    for (std::size_t layer = 0; layer < m_wavenumbers.size(); ++layer) {
        double *values = m_layers.data() + layer * m_grid.size();
        for (int row = axis + 1; row < m_grid.rows(); ++row)
            std::copy_n(values + index(0, 2 * axis - row), m_grid.columns(),
                        values + index(0, row));
    }
}

ProbabilityMap::Peak ProbabilityMap::brightest() const
{
    const auto peak = std::ranges::max_element(m_mean);
    const int i = int(peak - m_mean.begin());
    const int column = i % m_grid.columns();
    const int row = i / m_grid.columns();
    return {{m_grid.x(column), m_grid.y(row)}, *peak};
}

std::optional<ProbabilityMap::Peak> ProbabilityMap::wholeMirrorFocus(const Experiment &experiment,
                                                                     std::stop_token stop)
{
    return wholeMirrorFocus(WorkerPool::shared(), experiment, std::move(stop));
}

std::optional<ProbabilityMap::Peak> ProbabilityMap::wholeMirrorFocus(WorkerPool &pool,
                                                                     const Experiment &experiment,
                                                                     std::stop_token stop)
{
    Experiment whole = experiment;
    whole.cut = MirrorCut::whole();
    const MapExtent extent = whole.mapExtent();
    const std::optional<ProbabilityMap> coarse =
        compute(pool, whole, MapGrid::coarse(extent), stop);
    if (!coarse)
        return std::nullopt;
    const std::vector<MirrorPoint> points = whole.points();
    std::vector<PathSum> sums;
    for (double wavenumber : whole.wavenumbers())
        sums.emplace_back(points, wavenumber, whole.source);
    auto valueAt = [&](Vec2 mapPoint) {
        double sum = 0;
        for (PathSum &pathSum : sums)
            sum += Experiment::probabilityOf(pathSum.resultantAt(MapGrid::sceneOf(mapPoint)));
        return sum / double(sums.size());
    };
    Peak peak = coarse->brightest();
    peak.value = valueAt(peak.at);
    const double step = MapGrid::full().step();
    for (bool climbed = true; climbed && !stop.stop_requested();) {
        climbed = false;
        const Peak here = peak;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const Vec2 next{here.at.x + dx * step, here.at.y + dy * step};
                if ((dx == 0 && dy == 0) || !extent.contains(next))
                    continue;
                if (const double value = valueAt(next); value > peak.value) {
                    peak = {next, value};
                    climbed = true;
                }
            }
        }
    }
    if (stop.stop_requested())
        return std::nullopt;
    return peak;
}

} // namespace veltrin
