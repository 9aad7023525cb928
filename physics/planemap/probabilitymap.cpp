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
    // A sum for each wavenumber and, beside the mirror, for each of the element's fans.
    std::vector<RowSum> sums;
    int rows = grid.rows();
    std::size_t fans = 1;
    if (experiment.element == Experiment::Element::Mirror) {
        const std::vector<MirrorPoint> points = experiment.points(grid.pointsPerHalf());
        for (double wavenumber : map.m_wavenumbers)
            sums.emplace_back(points, wavenumber, experiment.source, grid.arrowLength());
        // Where the arrows mirror each other across the axis, so does the map: the rows above it
        // are copies of those below.
        if (sums.front().isSymmetric())
            rows = grid.axisRow() + 1;
    } else if (experiment.element == Experiment::Element::Slits) {
        const std::vector<ArrowFan> groups = experiment.groups(grid.pointsPerHalf());
        fans = groups.size();
        for (double wavenumber : map.m_wavenumbers) {
            for (const ArrowFan &group : groups)
                sums.emplace_back(group, wavenumber, grid.arrowLength());
        }
        // Slits centred on the axis, lit along it or from a point on it, light both sides alike.
        const Source source = experiment.source;
        if (!source.isPoint() || source.at().y == scene::Y0)
            rows = grid.axisRow() + 1;
    } else {
        const std::vector<ArrowFan> elementFans = experiment.fans(grid.pointsPerHalf());
        fans = elementFans.size();
        for (double wavenumber : map.m_wavenumbers) {
            for (const ArrowFan &fan : elementFans)
                sums.emplace_back(fan, wavenumber, grid.arrowLength());
        }
    }
    const int total = rows * int(map.m_wavenumbers.size());

    // Rows of every layer are handed out one at a time to whichever thread is free: rows near the
    // mirror cost no more than far ones, but cores shared with other programs finish unevenly.
    std::atomic<int> done = 0;
    auto makeJob = [&]() -> WorkerPool::Job {
        return [&](int job) {
            const int layer = job / rows;
            const std::span<const RowSum> layerSums =
                std::span(sums).subspan(std::size_t(layer) * fans, fans);
            if (experiment.element == Experiment::Element::Mirror)
                map.computeRow(sums[std::size_t(layer)], layer, job % rows);
            else if (experiment.element == Experiment::Element::Slits)
                map.computeGroupsRow(layerSums, layer, job % rows);
            else
                map.computeFanRow(layerSums, layer, job % rows);
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

void ProbabilityMap::computeFanRow(std::span<const RowSum> sums, int layer, int row)
{
    const double y = m_grid.y(row);
    double *out = m_layers.data() + std::size_t(layer) * m_grid.size() + index(0, row);
    std::vector<double> xs;
    std::vector<int> columns;
    for (std::size_t fan = 0; fan < sums.size(); ++fan) {
        xs.clear();
        columns.clear();
        for (int column = 0; column < m_grid.columns(); ++column) {
            if (m_experiment.fanAt({m_grid.x(column), y}) == int(fan)) {
                xs.push_back(MapGrid::sceneOf({m_grid.x(column), y}).x);
                columns.push_back(column);
            }
        }
        if (xs.empty())
            continue;
        std::vector<double> sumX(xs.size());
        std::vector<double> sumY(xs.size());
        sums[fan].resultants(MapGrid::sceneOf({0, y}).y, xs, sumX, sumY);
        for (std::size_t i = 0; i < xs.size(); ++i)
            out[columns[i]] = Experiment::probabilityOf({sumX[i], sumY[i]});
    }
}

void ProbabilityMap::computeGroupsRow(std::span<const RowSum> groups, int layer, int row)
{
    const double y = m_grid.y(row);
    const int columns = m_grid.columns();
    std::vector<double> xs(static_cast<std::size_t>(columns));
    for (int column = 0; column < columns; ++column)
        xs[std::size_t(column)] = MapGrid::sceneOf({m_grid.x(column), y}).x;
    std::vector<double> sumX(xs.size());
    std::vector<double> sumY(xs.size());
    double *out = m_layers.data() + std::size_t(layer) * m_grid.size() + index(0, row);
    std::fill_n(out, columns, 0.0);
    for (const RowSum &group : groups) {
        group.resultants(MapGrid::sceneOf({0, y}).y, xs, sumX, sumY);
        for (std::size_t i = 0; i < xs.size(); ++i)
            out[i] += Experiment::probabilityOf({sumX[i], sumY[i]});
    }
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
