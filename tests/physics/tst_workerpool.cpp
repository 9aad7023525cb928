// SPDX-License-Identifier: GPL-3.0-or-later
#include "workerpool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <mutex>
#include <set>
#include <stdexcept>

using namespace veltrin;

// Many loops, some started from a task of the pool itself, all run on the same few threads.
TEST(WorkerPool, EveryLoopRunsOnThePoolsOwnThreadsAndTheCaller)
{
    WorkerPool pool(3);
    std::mutex mutex;
    std::set<std::thread::id> seen;
    auto loop = [&] {
        std::atomic<int> sum = 0;
        const bool whole = pool.parallelFor(200, {}, [&] {
            {
                const std::lock_guard lock(mutex);
                seen.insert(std::this_thread::get_id());
            }
            return [&](int job) { sum += job; };
        });
        EXPECT_TRUE(whole);
        EXPECT_EQ(sum.load(), 199 * 200 / 2);
    };
    for (int i = 0; i < 50; ++i)
        loop();
    for (int i = 0; i < 50; ++i)
        pool.post(loop);
    pool.waitUntilIdle();
    EXPECT_TRUE(pool.isIdle());
    // The pool's three and this one.
    EXPECT_LE(seen.size(), 4u);
}

TEST(WorkerPool, StoppedItSkipsTheJobsNotStartedAndReturnsOnceThoseUnderWayAreDone)
{
    WorkerPool pool(2);
    std::stop_source stop;
    std::latch stopped(1);
    std::atomic<int> started = 0;
    std::atomic<int> underWay = 0;
    const int count = 100000;
    const bool whole = pool.parallelFor(count, stop.get_token(), [&] {
        return [&](int job) {
            ++started;
            ++underWay;
            if (job == 10) {
                stop.request_stop();
                stopped.count_down();
            } else if (job > 10) {
                stopped.wait(); // under way when the stop comes
            }
            --underWay;
        };
    });
    EXPECT_FALSE(whole);
    EXPECT_EQ(underWay.load(), 0);
    // Job 10 and at most one more on each of the three threads.
    EXPECT_LE(started.load(), 11 + 3);
    // The same threads serve the next loop in full.
    std::atomic<int> again = 0;
    EXPECT_TRUE(pool.parallelFor(count, {}, [&] { return [&](int) { ++again; }; }));
    EXPECT_EQ(again.load(), count);
}

TEST(WorkerPool, AJobsExceptionReachesTheCaller)
{
    WorkerPool pool(2);
    EXPECT_THROW(pool.parallelFor(1000, {},
                                  [&] {
                                      return [&](int job) {
                                          if (job == 3)
                                              throw std::runtime_error("no room");
                                      };
                                  }),
                 std::runtime_error);
    EXPECT_TRUE(pool.isIdle());
    EXPECT_TRUE(pool.parallelFor(1000, {}, [] { return [](int) {}; }));
}
