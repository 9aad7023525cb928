// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapcomputer.h"

#include <QMetaObject>
#include <atomic>

namespace veltrin {

/// One experiment's computation on a thread of its own. A stopped one is left to notice it
/// (within a row of the map) rather than waited for, so that the window never waits.
struct MapComputer::Worker
{
    std::atomic<bool> finished = false;
    std::jthread thread;
};

MapComputer::MapComputer(QObject *parent) : QObject(parent) {}

MapComputer::~MapComputer()
{
    for (auto &worker : m_workers)
        worker->thread.request_stop();
    m_workers.clear(); // each jthread joins
}

void MapComputer::setGrids(std::vector<MapGrid> grids)
{
    m_grids = std::move(grids);
}

std::optional<ProbabilityMap::Peak> MapComputer::wholeMirrorFocus() const
{
    if (m_focusOf == uncut(m_experiment))
        return m_focus;
    return std::nullopt;
}

Experiment MapComputer::uncut(Experiment experiment)
{
    experiment.cut = MirrorCut::whole();
    return experiment;
}

bool MapComputer::isFinished() const
{
    return m_map && m_map->grid() == m_grids.back() && m_map->experiment() == m_experiment;
}

void MapComputer::compute(const Experiment &experiment)
{
    for (auto &worker : m_workers)
        worker->thread.request_stop();
    forgetFinishedWorkers();
    m_experiment = experiment;
    m_map.reset();
    const quint64 generation = ++m_generation;
    // A drag across the mirror changes only its cut: the focus found for the whole mirror holds.
    const bool findFocus = !(m_focus && m_focusOf == uncut(experiment));
    if (findFocus) {
        m_focus.reset();
        m_focusOf = uncut(experiment);
    }

    auto worker = std::make_unique<Worker>();
    Worker *self = worker.get();
    worker->thread = std::jthread(
        [this, self, generation, experiment, findFocus, grids = m_grids](std::stop_token stop) {
            for (std::size_t i = 0; i < grids.size() && !stop.stop_requested(); ++i) {
                const bool last = i + 1 == grids.size();
                ProbabilityMap::Progress progress;
                if (last) {
                    progress = [this, generation](int done, int total) {
                        QMetaObject::invokeMethod(
                            this, [=, this] { reportProgress(generation, done, total); },
                            Qt::QueuedConnection);
                    };
                }
                std::optional<ProbabilityMap> map =
                    ProbabilityMap::compute(experiment, grids[i], stop, progress);
                if (!map)
                    break;
                auto shared = std::make_shared<const ProbabilityMap>(std::move(*map));
                QMetaObject::invokeMethod(
                    this, [=, this] { deliver(generation, shared); }, Qt::QueuedConnection);
                // What the pupil's mirror is measured against, once the coarse map is shown.
                if (i == 0 && findFocus) {
                    if (const auto focus = ProbabilityMap::wholeMirrorFocus(experiment, stop)) {
                        QMetaObject::invokeMethod(
                            this, [=, this] { deliverFocus(uncut(experiment), *focus); },
                            Qt::QueuedConnection);
                    }
                }
            }
            self->finished = true;
        });
    m_workers.push_back(std::move(worker));
}

void MapComputer::deliver(quint64 generation, std::shared_ptr<const ProbabilityMap> map)
{
    forgetFinishedWorkers();
    if (generation != m_generation)
        return;
    m_map = std::move(map);
    emit mapReady(m_map);
}

void MapComputer::deliverFocus(const Experiment &of, ProbabilityMap::Peak focus)
{
    // Found for an earlier cut of the same mirror, it holds all the same.
    if (!(of == m_focusOf) || m_focus)
        return;
    m_focus = focus;
    emit focusFound();
}

void MapComputer::reportProgress(quint64 generation, int done, int total)
{
    if (generation == m_generation)
        emit progress(done, total);
}

void MapComputer::forgetFinishedWorkers()
{
    // A finished thread is joined at once; those still stopping are left for later.
    std::erase_if(m_workers,
                  [](const std::unique_ptr<Worker> &worker) { return worker->finished.load(); });
}

} // namespace veltrin
