// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "mapcache.h"
#include "probabilitymap.h"
#include "workerpool.h"

#include <QObject>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <vector>

namespace veltrin {

/// Computes the maps of the bench's experiment off the window's thread, on a pool of threads
/// made once: a coarse one at once, then the full one. A new experiment stops what is under way
/// within a row and takes its place, however many come meanwhile; only a coarse map nearly done
/// is let finish, as the picture a drag shows on its way. A map of an earlier experiment is never
/// given out as the present one's. The last full maps are kept, so that going back to an
/// experiment shows its map at once.
class MapComputer : public QObject
{
    Q_OBJECT

public:
    explicit MapComputer(QObject *parent = nullptr);
    /// Stops, and waits for the rows under way.
    ~MapComputer() override;

    /// The grids to compute, coarse first; the last is the full map. Each is computed over the
    /// experiment's extent, whatever its own. For tests and benchmarks.
    void setGrids(std::vector<MapGrid> grids);

    /// Starts on an experiment; returns at once. A full map of it computed lately is given out
    /// before this returns.
    void compute(const Experiment &experiment);

    /// While held (its window hidden) nothing is computed: what is under way stops within a row
    /// and what is asked for waits. Let go, it goes on with the present experiment where it
    /// stopped.
    void setHeld(bool held);
    bool isHeld() const { return m_held; }

    /// The latest map of the present experiment, nullptr until its first arrives.
    std::shared_ptr<const ProbabilityMap> map() const { return m_map; }
    const Experiment &experiment() const { return m_experiment; }
    /// Whether the full map of the present experiment is in.
    bool isFinished() const;
    /// The whole mirror's focus for the present experiment's shape, source and light, once found
    /// (after the coarse map); what the pupil's cut mirror is measured against.
    std::optional<ProbabilityMap::Peak> wholeMirrorFocus() const;
    /// The focus of the whole parabola of the experiment's K, source and light, once found: the
    /// fixed top of the colour scale, against which a cut mirror and the circle compare.
    std::optional<ProbabilityMap::Peak> parabolaFocus() const;

    /// Whether none of its threads has anything to do. For tests and benchmarks.
    bool isIdle() const { return m_pool.isIdle(); }
    void waitUntilIdle() const { m_pool.waitUntilIdle(); }

signals:
    /// A map of the present experiment: the coarse one, then the full one.
    void mapReady(std::shared_ptr<const ProbabilityMap> map);
    /// A map of an experiment since left, done while the next was asked for: during a drag,
    /// the picture to show until the present experiment's comes.
    void passingMapReady(std::shared_ptr<const ProbabilityMap> map);
    /// How much of the full map is done, as rows of all its colours.
    void progress(int done, int total);
    /// The whole mirror's focus of the present experiment, or its parabola's, is known.
    void focusFound();

private slots:
    /// Takes what the threads have handed over.
    void collect();

private:
    struct Request
    {
        quint64 generation = 0;
        Experiment experiment;
        std::vector<MapGrid> grids;
        std::vector<Experiment> foci; ///< whole mirrors whose focus is wanted
    };
    struct Outcome
    {
        Experiment experiment;
        std::shared_ptr<const ProbabilityMap> map; // or else
        std::optional<ProbabilityMap::Peak> focus;
    };
    struct ProgressReport
    {
        quint64 generation = 0;
        int done = 0;
        int total = 0;
    };

    /// The experiment but for its cut: what the whole mirror's focus depends on.
    static Experiment uncut(Experiment experiment);
    /// The whole parabola of the experiment's K, source and light.
    static Experiment parabolaOf(Experiment experiment);
    /// The focus found for a whole mirror, if any.
    std::optional<ProbabilityMap::Peak> focusOf(const Experiment &whole) const;
    /// The work still missing for the present experiment.
    std::optional<Request> missing() const;
    /// Hands a request to the threads in place of any other; with `lock` held.
    void ask(Request request, const std::unique_lock<std::mutex> &lock);
    /// On a thread of the pool: the requests, one after another, until none is left.
    void serveRequests();
    void work(const Request &request, std::stop_token stop);
    void handOver(Outcome outcome);
    void handOverProgress(ProgressReport report);
    /// With `lock` held.
    void wake(const std::unique_lock<std::mutex> &lock);
    void takeMap(std::shared_ptr<const ProbabilityMap> map);
    int rankOf(const MapGrid &grid) const;

    // The window's thread only.
    std::vector<MapGrid> m_grids{MapGrid::coarse(), MapGrid::full()};
    Experiment m_experiment;
    quint64 m_generation = 0;
    bool m_held = false;
    std::shared_ptr<const ProbabilityMap> m_map;
    MapCache m_cache;
    std::vector<std::pair<Experiment, ProbabilityMap::Peak>> m_focuses; // uncut, the latest last

    // Shared with the pool's threads, under m_mutex.
    std::mutex m_mutex;
    std::condition_variable m_stopped; // serveRequests has ended
    std::optional<Request> m_pending;
    std::stop_source m_stop; // of the request under way
    bool m_serving = false;  // serveRequests is posted or running
    bool m_previewUnderWay = false;
    std::vector<Outcome> m_outcomes;
    std::optional<ProgressReport> m_progress;
    bool m_woken = false; // collect() is on its way

    WorkerPool m_pool{WorkerPool::Priority::Background}; // last, so that its threads end first
};

} // namespace veltrin
