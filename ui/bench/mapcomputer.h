// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "probabilitymap.h"

#include <QObject>
#include <list>
#include <memory>
#include <thread>

namespace veltrin {

/// Computes the maps of the bench's experiment off the window's thread: a coarse one at once,
/// then the full one. A new experiment stops what is under way; a map of an earlier experiment
/// that arrives late is dropped, never shown.
class MapComputer : public QObject
{
    Q_OBJECT

public:
    explicit MapComputer(QObject *parent = nullptr);
    /// Stops and waits for what is under way.
    ~MapComputer() override;

    /// The grids to compute, coarse first; the last is the full map. For tests and benchmarks.
    void setGrids(std::vector<MapGrid> grids);

    /// Starts on an experiment; returns at once.
    void compute(const Experiment &experiment);

    /// The latest map of the present experiment, nullptr until its first arrives.
    std::shared_ptr<const ProbabilityMap> map() const { return m_map; }
    const Experiment &experiment() const { return m_experiment; }
    /// Whether the full map of the present experiment is in.
    bool isFinished() const;
    /// The whole mirror's focus for the present experiment's shape, source and light, once found
    /// (after the coarse map); what the pupil's cut mirror is measured against.
    std::optional<ProbabilityMap::Peak> wholeMirrorFocus() const;

signals:
    /// A map of the present experiment: the coarse one, then the full one.
    void mapReady(std::shared_ptr<const ProbabilityMap> map);
    /// How much of the full map is done, as rows of all its colours.
    void progress(int done, int total);
    /// The whole mirror's focus of the present experiment is known.
    void focusFound();

private:
    void deliver(quint64 generation, std::shared_ptr<const ProbabilityMap> map);
    void reportProgress(quint64 generation, int done, int total);
    void deliverFocus(const Experiment &of, ProbabilityMap::Peak focus);
    /// The experiment but for its cut: what the whole mirror's focus depends on.
    static Experiment uncut(Experiment experiment);
    void forgetFinishedWorkers();

    std::vector<MapGrid> m_grids{MapGrid::coarse(), MapGrid::full()};
    Experiment m_experiment;
    quint64 m_generation = 0;
    std::shared_ptr<const ProbabilityMap> m_map;
    Experiment m_focusOf; // uncut
    std::optional<ProbabilityMap::Peak> m_focus;
    struct Worker;
    std::list<std::unique_ptr<Worker>> m_workers;
};

} // namespace veltrin
