#pragma once

#include <csignal>
#include <sys/resource.h>

// Limits the size of files this process writes while it lives, so that a write fails part
// way (EFBIG) — a failure that permissions cannot give when the tests run as root.
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tiny = m_old;
        tiny.rlim_cur = bytes;
        m_active = ::setrlimit(RLIMIT_FSIZE, &tiny) == 0;
    }
    ~CFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

    bool Active() const { return m_active; }

private:
    struct rlimit m_old {};
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_active = false;
};
