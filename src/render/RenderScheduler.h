#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

// When a live preview renders. A change waits a pause for further changes, so a run of quick
// edits costs one render; a render that becomes due while another runs abandons the older one,
// whose result is then dropped. Times are passed in, so the decisions can be tested without
// waiting.
class CRenderScheduler {
public:
    using Clock = std::chrono::steady_clock;

    explicit CRenderScheduler(std::chrono::milliseconds pause) : m_pause(pause) {}

    // What the picture shows has changed at now.
    void Changed(Clock::time_point now) { m_due = now + m_pause; }

    struct CStart {
        // The number of the render to start; 0 when nothing is due.
        std::uint64_t job = 0;
        // The render that runs must be abandoned first (its number).
        std::uint64_t abandon = 0;
    };
    // At now: starts the render that is due, if any.
    CStart Poll(Clock::time_point now);

    // Render job has ended. True when its result is the newest and should be shown; false for
    // an abandoned one.
    bool Finished(std::uint64_t job);

    // When Poll next has something to start; no value while nothing is waiting.
    std::optional<Clock::time_point> Due() const { return m_due; }
    // The render whose result will be shown; 0 when none runs.
    std::uint64_t Running() const { return m_running; }
    // Renders started so far.
    std::uint64_t Started() const { return m_last; }
    std::chrono::milliseconds Pause() const { return m_pause; }
    void SetPause(std::chrono::milliseconds pause) { m_pause = pause; }

    // Forgets the waiting change and the running render (whose result will then be dropped);
    // the numbering goes on, so a late result never matches a newer render.
    void Drop() {
        m_due.reset();
        m_running = 0;
    }

private:
    std::chrono::milliseconds m_pause;
    std::optional<Clock::time_point> m_due;
    std::uint64_t m_running = 0;
    std::uint64_t m_last = 0;
};
