#pragma once

#include "RecoveryCopy.h"
#include "RecoveryScheduler.h"
#include "RecoveryStore.h"
#include "SerialWorker.h"

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class CMyDoc;

// Keeps the recovery copy of one document while the editor runs: a timer calls Tick, which
// asks the scheduler, takes the snapshot on the calling thread and leaves the file work to a
// background thread, one job at a time.
class CRecoveryController {
public:
    using Clock = std::function<CRecoveryScheduler::TimePoint()>;

    // copyExists: the store already holds this editor's copy of the document (recovered).
    CRecoveryController(CMyDoc& doc, const CRecoveryStore& store, bool copyExists,
                        Clock clock = &std::chrono::steady_clock::now, CRecoveryTiming timing = {});
    // Lets the file job in progress finish.
    ~CRecoveryController();
    CRecoveryController(const CRecoveryController&) = delete;
    CRecoveryController& operator=(const CRecoveryController&) = delete;

    void Tick();
    // A normal exit: removes the copy (after a write in progress) and writes no more.
    void EndSession();
    // Why the last copy could not be written or removed, once; no value when all went well.
    std::optional<std::string> TakeError();
    // Waits until the background thread has nothing left to do.
    void WaitIdle() { m_worker.WaitIdle(); }

    // The bytes of a copy of the document as it is now.
    static std::string Snapshot(const CMyDoc& doc, const CProcessId& owner);

private:
    CDocChangeState DocState() const;
    void Post(bool write, std::string bytes);

    CMyDoc& m_doc;
    const CRecoveryStore& m_store;
    Clock m_clock;
    CRecoveryScheduler m_scheduler;
    bool m_ended = false;
    std::mutex m_mutex; // guards the results below, set by the background thread
    std::vector<std::string> m_failedWrites;
    std::optional<std::string> m_error;
    CSerialWorker m_worker; // last: it goes first and finishes its job while the rest is there
};
