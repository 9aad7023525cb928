// SPDX-License-Identifier: GPL-3.0-or-later
#include "workerpool.h"

#include <algorithm>
#include <atomic>
#include <exception>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace veltrin {

namespace {

/// How much nicer a background thread is than the program: against the window's thread it gets
/// about a tenth of a core they both want.
[[maybe_unused]] constexpr int backgroundNiceness = 10;

} // namespace

struct WorkerPool::Loop
{
    Loop(int count, std::stop_token stop, const MakeJob &makeJob)
        : count(count), stop(std::move(stop)), makeJob(makeJob)
    {
    }
    bool hasJobsLeft() const
    {
        return next.load() < count && !failed.load() && !stop.stop_requested();
    }

    const int count;
    const std::stop_token stop;
    const MakeJob &makeJob;
    std::atomic<int> next = 0; // the next job to take
    std::atomic<int> done = 0;
    std::atomic<bool> failed = false;
    int takers = 0;           // threads taking its jobs; under the pool's mutex
    std::exception_ptr error; // under the pool's mutex
};

WorkerPool::WorkerPool(Priority priority)
    : WorkerPool(int(std::max(1u, std::thread::hardware_concurrency())), priority)
{
}

WorkerPool::WorkerPool(int threads, Priority priority)
{
    for (int i = 0; i < std::max(1, threads); ++i)
        m_threads.emplace_back([this, priority](std::stop_token stop) { serve(stop, priority); });
}

WorkerPool::~WorkerPool()
{
    // Each thread is asked to stop and joined; until then it runs the tasks still waiting.
    for (std::jthread &thread : m_threads)
        thread.request_stop();
    m_threads.clear();
}

WorkerPool &WorkerPool::shared()
{
    static WorkerPool pool;
    return pool;
}

void WorkerPool::post(std::function<void()> task)
{
    const std::lock_guard lock(m_mutex);
    m_tasks.push_back(std::move(task));
    m_work.notify_one();
}

bool WorkerPool::parallelFor(int count, std::stop_token stop, const MakeJob &makeJob)
{
    if (count <= 0)
        return true;
    Loop loop(count, std::move(stop), makeJob);
    std::unique_lock lock(m_mutex);
    m_loops.push_back(&loop);
    m_work.notify_all();
    takeJobs(loop, lock);
    // No thread takes it up any more; those still on a job finish it.
    std::erase(m_loops, &loop);
    m_changed.wait(lock, [&] { return loop.takers == 0; });
    m_changed.notify_all();
    lock.unlock();
    if (loop.error)
        std::rethrow_exception(loop.error);
    return loop.done.load() == count;
}

void WorkerPool::takeJobs(Loop &loop, std::unique_lock<std::mutex> &lock)
{
    ++loop.takers;
    lock.unlock();
    std::exception_ptr error;
    {
        Job job;
        try {
            while (!loop.failed.load() && !loop.stop.stop_requested()) {
                const int next = loop.next++;
                if (next >= loop.count)
                    break;
                // Set up only by a thread that has a job to do.
                if (!job)
                    job = loop.makeJob();
                job(next);
                ++loop.done;
            }
        } catch (...) {
            loop.failed = true;
            error = std::current_exception();
        }
    }
    lock.lock();
    if (error && !loop.error)
        loop.error = error;
    --loop.takers;
    m_changed.notify_all();
}

WorkerPool::Loop *WorkerPool::openLoop() const
{
    const auto open = std::ranges::find_if(m_loops, &Loop::hasJobsLeft);
    return open == m_loops.end() ? nullptr : *open;
}

void WorkerPool::serve(std::stop_token stop, Priority priority)
{
#ifdef __linux__
    // Linux gives each thread a nice value of its own. Raising it needs no privilege; where it
    // fails the thread simply keeps the program's.
    if (priority == Priority::Background) {
        const auto self = id_t(gettid());
        setpriority(PRIO_PROCESS, self, getpriority(PRIO_PROCESS, self) + backgroundNiceness);
    }
#else
    (void)priority;
#endif
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_work.wait(lock, stop, [this] { return !m_tasks.empty() || openLoop(); });
        // A loop first: whoever started it is waiting for it.
        if (Loop *loop = openLoop()) {
            ++m_busy;
            takeJobs(*loop, lock);
            --m_busy;
        } else if (!m_tasks.empty()) {
            std::function<void()> task = std::move(m_tasks.front());
            m_tasks.pop_front();
            ++m_busy;
            lock.unlock();
            task();
            task = nullptr;
            lock.lock();
            --m_busy;
        } else if (stop.stop_requested()) {
            return;
        }
        m_changed.notify_all();
    }
}

bool WorkerPool::idle() const
{
    return m_busy == 0 && m_tasks.empty() && m_loops.empty();
}

bool WorkerPool::isIdle() const
{
    const std::lock_guard lock(m_mutex);
    return idle();
}

void WorkerPool::waitUntilIdle() const
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return idle(); });
}

} // namespace veltrin
