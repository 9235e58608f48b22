#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// One background thread that runs jobs one after the other, in the order they were posted.
class CSerialWorker {
public:
    CSerialWorker();
    // Runs what is still queued, then ends the thread.
    ~CSerialWorker();
    CSerialWorker(const CSerialWorker&) = delete;
    CSerialWorker& operator=(const CSerialWorker&) = delete;

    void Post(std::function<void()> job);
    // Nothing queued and nothing running.
    bool Idle() const;
    void WaitIdle();

private:
    void Run();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<std::function<void()>> m_jobs;
    bool m_running = false;
    bool m_stop = false;
    std::thread m_thread;
};
