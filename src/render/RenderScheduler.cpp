#include "RenderScheduler.h"

CRenderScheduler::CStart CRenderScheduler::Poll(Clock::time_point now) {
    if (!m_due || now < *m_due)
        return {};
    m_due.reset();
    CStart start;
    start.abandon = m_running;
    start.job = ++m_last;
    m_running = start.job;
    return start;
}

bool CRenderScheduler::Finished(std::uint64_t job) {
    if (job == 0 || job != m_running)
        return false;
    m_running = 0;
    return true;
}
