#include "SerialWorker.h"

CSerialWorker::CSerialWorker() : m_thread([this] { Run(); }) {}

CSerialWorker::~CSerialWorker() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void CSerialWorker::Post(std::function<void()> job) {
    {
        std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

bool CSerialWorker::Idle() const {
    std::lock_guard lock(m_mutex);
    return m_jobs.empty() && !m_running;
}

void CSerialWorker::WaitIdle() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_jobs.empty() && !m_running; });
}

void CSerialWorker::Run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
        if (m_jobs.empty())
            return; // stopping, and everything has run
        std::function<void()> job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_running = true;
        lock.unlock();
        job();
        lock.lock();
        m_running = false;
        if (m_jobs.empty())
            m_idle.notify_all();
    }
}
