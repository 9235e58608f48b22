#include "RecoveryScheduler.h"

#include <algorithm>

CRecoveryScheduler::CRecoveryScheduler(const CDocChangeState& start, bool copyExists,
                                       CRecoveryTiming timing)
    : m_timing(timing), m_seenEdits(start.edits), m_seenCleans(start.cleans),
      m_copyExists(copyExists) {}

RecoveryAction CRecoveryScheduler::Poll(TimePoint now, const CDocChangeState& doc) {
    RecoveryAction action = RecoveryAction::None;
    if (doc.cleans != m_seenCleans) {
        // Saved, or replaced by New or Open: whatever the copy held is settled.
        m_seenCleans = doc.cleans;
        m_firstUncopied.reset();
        m_retryAt.reset();
        if (m_copyExists) {
            m_copyExists = false;
            action = RecoveryAction::Remove;
        }
    }
    if (doc.edits != m_seenEdits) {
        m_seenEdits = doc.edits;
        m_lastChange = now;
        if (!m_firstUncopied)
            m_firstUncopied = now;
    }
    if (!doc.modified) {
        // No copy of a document without unsaved changes.
        m_firstUncopied.reset();
        m_retryAt.reset();
        if (m_copyExists) {
            m_copyExists = false;
            action = RecoveryAction::Remove;
        }
        return action;
    }
    // After a removal the next copy waits for its own time.
    if (action == RecoveryAction::Remove || !m_firstUncopied)
        return action;
    TimePoint due = std::min(m_lastChange + m_timing.pause, *m_firstUncopied + m_timing.maxDelay);
    if (m_retryAt)
        due = std::max(due, *m_retryAt);
    if (now < due)
        return action;
    m_firstUncopied.reset();
    m_retryAt.reset();
    m_copyExists = true;
    return RecoveryAction::Write;
}

void CRecoveryScheduler::WriteFailed(TimePoint now) {
    if (!m_firstUncopied)
        m_firstUncopied = now;
    m_retryAt = now + m_timing.maxDelay;
}
