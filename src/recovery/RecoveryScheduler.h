#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

// When the recovery copy is written and removed. Pure timing logic, driven by the caller's
// clock: a copy a pause after the last change, and under editing without pauses one after
// the longest delay, so a crash loses at most that much.
struct CRecoveryTiming {
    std::chrono::milliseconds pause{3000};
    std::chrono::milliseconds maxDelay{30000};
};

// The document as the scheduler sees it: its modified flag and its change counters.
struct CDocChangeState {
    bool modified = false;
    std::uint64_t edits = 0;  // grows with every change
    std::uint64_t cleans = 0; // grows whenever the contents were saved or given up
};

enum class RecoveryAction { None, Write, Remove };

class CRecoveryScheduler {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    // start: the document's state now; copyExists: a copy of it is already stored (recovered).
    CRecoveryScheduler(const CDocChangeState& start, bool copyExists, CRecoveryTiming timing = {});

    // What to do now. Write and Remove count as done; report a failed write with WriteFailed.
    RecoveryAction Poll(TimePoint now, const CDocChangeState& doc);
    // The copy asked for could not be written: try again after the longest delay.
    void WriteFailed(TimePoint now);

    bool CopyExists() const { return m_copyExists; }

private:
    CRecoveryTiming m_timing;
    std::uint64_t m_seenEdits;
    std::uint64_t m_seenCleans;
    bool m_copyExists;
    std::optional<TimePoint> m_firstUncopied; // first change that no copy holds yet
    TimePoint m_lastChange{};
    std::optional<TimePoint> m_retryAt;
};
