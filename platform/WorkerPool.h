// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Up to a fixed number of threads that run queued tasks in the order they came. The threads are
// made as tasks need them and wait without waking while there is nothing to do. Built on the
// standard library's threads and locks, so that the thread sanitizer sees every hand-over.
//
// Start, Clear and WaitForDone are called on one thread, the owner's; the tasks run on the pool's
// threads. The destructor drops the tasks not begun and joins the threads after the running
// tasks end: members a task uses must outlive the pool, so declare it after them.
class WorkerPool
{
public:
    explicit WorkerPool(int maxThreads);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    void Start(std::function<void()> task);
    // Drops the tasks that have not begun.
    void Clear();
    // Returns once no task is queued or running.
    void WaitForDone();

private:
    void Work();

    const int m_maxThreads;
    std::mutex m_lock;
    std::condition_variable m_changed;
    std::deque<std::function<void()>> m_queue; // guarded by m_lock
    int m_idle = 0;                            // guarded by m_lock
    int m_running = 0;                         // guarded by m_lock
    bool m_ending = false;                     // guarded by m_lock
    std::vector<std::thread> m_threads;        // the owner's alone
};
