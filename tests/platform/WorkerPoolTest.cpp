// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WorkerPool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <latch>
#include <vector>

namespace {

TEST(WorkerPool, OneThreadRunsTheTasksInTheOrderTheyCameAndWaitForDoneSeesThemAll)
{
    std::vector<int> order; // written by the pool's one thread only
    WorkerPool pool(1);
    for (int task = 0; task < 50; ++task)
        pool.Start([&order, task] { order.push_back(task); });
    pool.WaitForDone();
    ASSERT_EQ(order.size(), 50u);
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
}

TEST(WorkerPool, TasksRunSideBySideUpToTheLimit)
{
    // Each task waits for the other: they end only when two threads run them at once.
    WorkerPool pool(2);
    std::latch both(2);
    std::atomic<int> ended = 0;
    for (int task = 0; task < 2; ++task)
        pool.Start([&] {
            both.arrive_and_wait();
            ++ended;
        });
    pool.WaitForDone();
    EXPECT_EQ(ended, 2);
}

TEST(WorkerPool, ClearDropsOnlyTheTasksNotBegun)
{
    std::promise<void> release;
    const std::shared_future<void> released = release.get_future().share();
    std::latch begun(1);
    std::atomic<int> ran = 0;
    WorkerPool pool(1);
    pool.Start([&] {
        begun.count_down();
        released.wait();
        ++ran;
    });
    begun.wait();
    pool.Start([&] { ran += 10; });
    pool.Clear();
    release.set_value();
    pool.WaitForDone();
    EXPECT_EQ(ran, 1);
    pool.Start([&] { ran += 10; });
    pool.WaitForDone();
    EXPECT_EQ(ran, 11);
}

} // namespace
