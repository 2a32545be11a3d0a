// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WorkerPool.h"

WorkerPool::WorkerPool(int maxThreads) : m_maxThreads(maxThreads) {}

WorkerPool::~WorkerPool()
{
    {
        const std::scoped_lock hold(m_lock);
        m_queue.clear();
        m_ending = true;
    }
    m_changed.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

void WorkerPool::Start(std::function<void()> task)
{
    bool needsThread = false;
    {
        const std::scoped_lock hold(m_lock);
        m_queue.push_back(std::move(task));
        needsThread = m_idle < static_cast<int>(m_queue.size()) &&
                      static_cast<int>(m_threads.size()) < m_maxThreads;
    }
    if (needsThread)
        m_threads.emplace_back([this] { Work(); });
    m_changed.notify_all();
}

void WorkerPool::Clear()
{
    const std::scoped_lock hold(m_lock);
    m_queue.clear();
    m_changed.notify_all();
}

void WorkerPool::WaitForDone()
{
    std::unique_lock hold(m_lock);
    m_changed.wait(hold, [this] { return m_queue.empty() && m_running == 0; });
}

void WorkerPool::Work()
{
    std::unique_lock hold(m_lock);
    for (;;) {
        ++m_idle;
        m_changed.wait(hold, [this] { return m_ending || !m_queue.empty(); });
        --m_idle;
        if (m_ending)
            return;
        std::function<void()> task = std::move(m_queue.front());
        m_queue.pop_front();
        ++m_running;
        hold.unlock();
        task();
        task = nullptr; // what the task holds goes before the pool counts it done
        hold.lock();
        --m_running;
        m_changed.notify_all();
    }
}
