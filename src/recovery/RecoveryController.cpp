#include "RecoveryController.h"

#include "MyDoc.h"
#include "NativeFormat.h"

CRecoveryController::CRecoveryController(CMyDoc& doc, const CRecoveryStore& store, bool copyExists,
                                         Clock clock, CRecoveryTiming timing)
    : m_doc(doc), m_store(store), m_clock(std::move(clock)),
      m_scheduler(DocState(), copyExists, timing) {}

CRecoveryController::~CRecoveryController() {
    m_worker.WaitIdle();
}

CDocChangeState CRecoveryController::DocState() const {
    return {m_doc.IsModified(), m_doc.EditCount(), m_doc.CleanCount()};
}

std::string CRecoveryController::Snapshot(const CMyDoc& doc, const CProcessId& owner) {
    CRecoveryHeader header;
    header.kind = doc.IsNeverSaved() ? CRecoveryHeader::Untitled
                  : doc.m_bImported  ? CRecoveryHeader::Imported
                                     : CRecoveryHeader::Native;
    header.path = doc.GetPathName();
    header.savedAt = std::chrono::duration_cast<std::chrono::seconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    header.owner = owner;
    // The writer of Save, without the file access that ends the splash.
    return EncodeRecoveryCopy(
        header, WriteNativeBytes(doc.m_cells, doc.m_hLines, doc.m_vLines, doc.m_sizes));
}

void CRecoveryController::Post(bool write, std::string bytes) {
    m_worker.Post([this, write, bytes = std::move(bytes)] {
        const CFileIoResult result = write ? m_store.WriteOwnCopy(bytes) : m_store.RemoveOwnCopy();
        if (result.ok)
            return;
        std::lock_guard lock(m_mutex);
        if (write)
            m_failedWrites.push_back(result.error);
        m_error =
            (write ? "Cannot write the recovery copy \"" : "Cannot remove the recovery copy \"") +
            m_store.OwnCopyPath() + "\": " + result.error + ".";
    });
}

void CRecoveryController::Tick() {
    if (m_ended)
        return;
    const CRecoveryScheduler::TimePoint now = m_clock();
    {
        std::lock_guard lock(m_mutex);
        for (std::size_t i = 0; i < m_failedWrites.size(); ++i)
            m_scheduler.WriteFailed(now);
        m_failedWrites.clear();
    }
    // One job at a time: a copy still being written holds the next decision back.
    if (!m_worker.Idle())
        return;
    switch (m_scheduler.Poll(now, DocState())) {
    case RecoveryAction::None:
        break;
    case RecoveryAction::Write:
        Post(true, Snapshot(m_doc, m_store.Self()));
        break;
    case RecoveryAction::Remove:
        Post(false, {});
        break;
    }
}

void CRecoveryController::EndSession() {
    if (m_ended)
        return;
    m_ended = true;
    Post(false, {});
    m_worker.WaitIdle();
}

std::optional<std::string> CRecoveryController::TakeError() {
    std::lock_guard lock(m_mutex);
    std::optional<std::string> error = std::move(m_error);
    m_error.reset();
    return error;
}
