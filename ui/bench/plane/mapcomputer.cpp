// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapcomputer.h"

#include <QMetaObject>
#include <algorithm>

namespace veltrin {

namespace {

/// Whole-mirror foci kept for experiments gone back to.
constexpr std::size_t keptFoci = 8;

} // namespace

MapComputer::MapComputer(QObject *parent) : QObject(parent) {}

MapComputer::~MapComputer()
{
    std::unique_lock lock(m_mutex);
    m_pending.reset();
    m_stop.request_stop();
    m_stopped.wait(lock, [this] { return !m_serving; });
}

void MapComputer::setGrids(std::vector<MapGrid> grids)
{
    m_grids = std::move(grids);
}

std::optional<ProbabilityMap::Peak> MapComputer::wholeMirrorFocus() const
{
    return focusOf(uncut(m_experiment));
}

std::optional<ProbabilityMap::Peak> MapComputer::parabolaFocus() const
{
    return focusOf(parabolaOf(m_experiment));
}

std::optional<ProbabilityMap::Peak> MapComputer::focusOf(const Experiment &whole) const
{
    const auto found =
        std::ranges::find(m_focuses, whole, &std::pair<Experiment, ProbabilityMap::Peak>::first);
    if (found == m_focuses.end())
        return std::nullopt;
    return found->second;
}

Experiment MapComputer::uncut(Experiment experiment)
{
    experiment.cut = MirrorCut::whole();
    return experiment;
}

Experiment MapComputer::parabolaOf(Experiment experiment)
{
    experiment.shape = MirrorShape::parabola(experiment.shape.k());
    return uncut(std::move(experiment));
}

bool MapComputer::isFinished() const
{
    return m_map && m_map->experiment() == m_experiment &&
           rankOf(m_map->grid()) + 1 == int(m_grids.size());
}

int MapComputer::rankOf(const MapGrid &grid) const
{
    const auto found =
        std::ranges::find_if(m_grids, [&](const MapGrid &own) { return own.samplesAs(grid); });
    return found == m_grids.end() ? -1 : int(found - m_grids.begin());
}

void MapComputer::compute(const Experiment &experiment)
{
    m_experiment = experiment;
    ++m_generation;
    m_map = m_cache.find(experiment, m_grids.back().over(experiment.mapExtent()));
    {
        std::unique_lock lock(m_mutex);
        m_pending.reset();
        // A coarse map under way is let finish: during a drag it is the next picture shown.
        if (m_map || m_held || !m_previewUnderWay)
            m_stop.request_stop();
        if (!m_held) {
            if (std::optional<Request> request = missing())
                ask(std::move(*request), lock);
        }
    }
    if (m_map)
        emit mapReady(m_map);
}

void MapComputer::setHeld(bool held)
{
    if (held == m_held)
        return;
    m_held = held;
    std::unique_lock lock(m_mutex);
    if (held) {
        m_pending.reset();
        m_stop.request_stop();
    } else if (std::optional<Request> request = missing()) {
        ask(std::move(*request), lock);
    }
}

std::optional<MapComputer::Request> MapComputer::missing() const
{
    std::vector<Experiment> foci;
    // Only a mirror has a whole mirror's focus to measure by; the boundary and the lens do not.
    for (const Experiment &whole : {uncut(m_experiment), parabolaOf(m_experiment)}) {
        if (m_experiment.element == Experiment::Element::Mirror && !focusOf(whole) &&
            std::ranges::find(foci, whole) == foci.end())
            foci.push_back(whole);
    }
    // The grids finer than the map already in.
    const int done = m_map ? rankOf(m_map->grid()) : -1;
    std::vector<MapGrid> grids;
    for (auto grid = m_grids.begin() + (done + 1); grid != m_grids.end(); ++grid)
        grids.push_back(grid->over(m_experiment.mapExtent()));
    if (grids.empty() && foci.empty())
        return std::nullopt;
    return Request{m_generation, m_experiment, std::move(grids), std::move(foci)};
}

void MapComputer::ask(Request request, const std::unique_lock<std::mutex> &)
{
    m_pending = std::move(request);
    if (m_serving)
        return;
    m_serving = true;
    m_pool.post([this] { serveRequests(); });
}

void MapComputer::serveRequests()
{
    for (;;) {
        Request request;
        std::stop_token stop;
        {
            const std::lock_guard lock(m_mutex);
            if (!m_pending) {
                m_serving = false;
                m_stopped.notify_all();
                return;
            }
            request = std::move(*m_pending);
            m_pending.reset();
            m_stop = std::stop_source();
            stop = m_stop.get_token();
        }
        work(request, stop);
    }
}

void MapComputer::work(const Request &request, std::stop_token stop)
{
    const std::size_t count = request.grids.size();
    // What the pupil's mirror is measured against, once the coarse map is shown.
    const std::size_t focusAfter = count > 1 ? 1 : 0;
    for (std::size_t i = 0;; ++i) {
        if (i == focusAfter) {
            for (const Experiment &whole : request.foci) {
                if (const auto focus = ProbabilityMap::wholeMirrorFocus(m_pool, whole, stop))
                    handOver({whole, nullptr, focus});
            }
        }
        if (i == count || stop.stop_requested())
            return;
        const bool preview = i == 0 && count > 1;
        {
            const std::lock_guard lock(m_mutex);
            m_previewUnderWay = preview;
        }
        ProbabilityMap::Progress progress;
        if (i + 1 == count) {
            progress = [this, generation = request.generation](int done, int total) {
                handOverProgress({generation, done, total});
            };
        }
        std::optional<ProbabilityMap> map =
            ProbabilityMap::compute(m_pool, request.experiment, request.grids[i], stop, progress);
        bool newer = false;
        {
            const std::lock_guard lock(m_mutex);
            m_previewUnderWay = false;
            newer = m_pending.has_value();
        }
        if (map)
            handOver({request.experiment, std::make_shared<const ProbabilityMap>(std::move(*map)),
                      std::nullopt});
        if (!map || newer)
            return;
    }
}

void MapComputer::handOver(Outcome outcome)
{
    bool woken = false;
    {
        const std::lock_guard lock(m_mutex);
        m_outcomes.push_back(std::move(outcome));
        woken = std::exchange(m_woken, true);
    }
    // The outcome itself goes through the mutex above, where the thread checker sees it pass.
    if (!woken)
        QMetaObject::invokeMethod(this, "collect", Qt::QueuedConnection);
}

void MapComputer::handOverProgress(ProgressReport report)
{
    bool woken = false;
    {
        const std::lock_guard lock(m_mutex);
        m_progress = report; // only the latest counts
        woken = std::exchange(m_woken, true);
    }
    if (!woken)
        QMetaObject::invokeMethod(this, "collect", Qt::QueuedConnection);
}

void MapComputer::collect()
{
    std::vector<Outcome> outcomes;
    std::optional<ProgressReport> report;
    {
        const std::lock_guard lock(m_mutex);
        outcomes.swap(m_outcomes);
        report = std::exchange(m_progress, std::nullopt);
        m_woken = false;
    }
    if (report && report->generation == m_generation)
        emit progress(report->done, report->total);
    for (Outcome &outcome : outcomes) {
        if (!outcome.focus) {
            takeMap(std::move(outcome.map));
            continue;
        }
        // Found for another cut of the same mirror, it holds all the same.
        const Experiment whole = uncut(outcome.experiment);
        const bool known = std::ranges::find(m_focuses, whole,
                                             &std::pair<Experiment, ProbabilityMap::Peak>::first) !=
                           m_focuses.end();
        if (known)
            continue;
        if (m_focuses.size() >= keptFoci)
            m_focuses.erase(m_focuses.begin());
        m_focuses.emplace_back(whole, *outcome.focus);
        if (whole == uncut(m_experiment) || whole == parabolaOf(m_experiment))
            emit focusFound();
    }
}

void MapComputer::takeMap(std::shared_ptr<const ProbabilityMap> map)
{
    if (rankOf(map->grid()) + 1 == int(m_grids.size()))
        m_cache.keep(map);
    if (!(map->experiment() == m_experiment)) {
        emit passingMapReady(std::move(map));
        return;
    }
    // An earlier request for the same experiment may finish after a finer map is in.
    if (m_map && rankOf(m_map->grid()) >= rankOf(map->grid()))
        return;
    m_map = std::move(map);
    emit mapReady(m_map);
}

} // namespace veltrin
