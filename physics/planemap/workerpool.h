// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace veltrin {

/// Threads made once and kept for many computations: tasks posted to run on one of them, and
/// parallel loops whose jobs every free thread, and the caller, take one at a time. A stopped
/// loop skips the jobs not yet started, so a computation of an experiment left behind ends
/// within one job.
class WorkerPool
{
public:
    /// A thread's share of a loop: called once for each job the thread takes.
    using Job = std::function<void(int job)>;
    /// Called by each thread as it takes its first job of a loop, to set up what its jobs share
    /// (its own sums, its own buffers).
    using MakeJob = std::function<Job()>;

    /// How the pool's threads share the processor with the program's other threads.
    enum class Priority {
        Normal,
        /// Below the others, so that a window's thread keeps its frames while the pool computes.
        Background,
    };

    /// A thread for every core.
    explicit WorkerPool(Priority priority = Priority::Normal);
    explicit WorkerPool(int threads, Priority priority = Priority::Normal);
    /// Runs what was posted and not yet started, then ends the threads.
    ~WorkerPool();
    WorkerPool(const WorkerPool &) = delete;
    WorkerPool &operator=(const WorkerPool &) = delete;

    /// One pool for the whole program, for those that keep none of their own (the command line).
    static WorkerPool &shared();

    int threadCount() const { return int(m_threads.size()); }

    /// Runs a task on one of the threads, as soon as one is free. A task must not throw.
    void post(std::function<void()> task);

    /// Runs jobs 0 … count − 1 on the pool's free threads and the calling thread, and returns
    /// once none is under way. Once `stop` is asked for, jobs not yet started are skipped.
    /// Returns whether every job ran. An exception from a job skips the rest and is thrown here.
    /// May be called from a task of the same pool.
    bool parallelFor(int count, std::stop_token stop, const MakeJob &makeJob);

    /// Whether no task and no job is under way or waiting.
    bool isIdle() const;
    /// Waits until isIdle().
    void waitUntilIdle() const;

private:
    struct Loop;
    void serve(std::stop_token stop, Priority priority);
    /// Takes the loop's jobs until none is left; returns with `lock` held again.
    void takeJobs(Loop &loop, std::unique_lock<std::mutex> &lock);
    /// A loop with jobs left to take, or nullptr.
    Loop *openLoop() const;
    bool idle() const;

    mutable std::mutex m_mutex;
    std::condition_variable_any m_work;        // a task or a loop's jobs are waiting
    mutable std::condition_variable m_changed; // a loop's job or a thread's work has ended
    std::deque<std::function<void()>> m_tasks;
    std::vector<Loop *> m_loops;
    int m_busy = 0; // threads of the pool running a task or a loop's job
    std::vector<std::jthread> m_threads;
};

} // namespace veltrin
