#include "RecoveryStartup.h"

#include "MessageBox.h"

#include <cerrno>
#include <sys/stat.h>

namespace {

struct CReadCopy {
    std::optional<CRecoveryCopy> copy;
    std::string reason;
    bool gone = false; // the file went away while we looked
};

CReadCopy ReadCopy(const std::string& path) {
    CReadCopy result;
    std::string bytes;
    const CFileIoResult read = ReadWholeFile(path, bytes);
    if (!read.ok) {
        struct stat st {};
        result.reason = read.error;
        result.gone = ::lstat(path.c_str(), &st) != 0 && errno == ENOENT;
        return result;
    }
    result.copy = DecodeRecoveryCopy(bytes, result.reason);
    return result;
}

std::string UnreadableReport(const CRecoveryStore& store, const std::string& path,
                             const std::string& shownPath, const std::string& reason) {
    std::string error;
    const std::optional<std::string> aside = store.MoveAside(path, error);
    std::string text =
        "復元用のコピー \"" + shownPath + "\" を読み込めません（" + reason + "）。\n";
    if (aside)
        text += "\"" + *aside + "\" に名前を変えて残しました。";
    else
        text += "名前を変えることもできませんでした（" + error + "）。";
    return text;
}

} // namespace

CRecoveryFinding FindRecoveryCopy(const CRecoveryStore& store) {
    CRecoveryFinding finding;
    const std::string own = store.OwnCopyPath();
    for (const CStoredCopy& stored : store.ListCopies()) {
        if (stored.path == own)
            continue;
        const CReadCopy read = ReadCopy(stored.path);
        if (read.gone)
            continue;
        std::optional<CProcessId> owner = stored.owner;
        if (!owner && read.copy)
            owner = read.copy->header.owner;
        if (owner && IsProcessAlive(*owner))
            continue; // a running editor's copy
        if (!read.copy) {
            finding.reports.push_back(
                UnreadableReport(store, stored.path, stored.path, read.reason));
            continue;
        }
        if (finding.offer)
            continue;
        // Claimed before the question, so an editor starting meanwhile cannot offer it too.
        if (!store.Claim(stored.path).ok)
            continue;
        const CReadCopy claimed = ReadCopy(own);
        if (!claimed.copy) {
            finding.reports.push_back(UnreadableReport(store, own, stored.path, claimed.reason));
            continue;
        }
        finding.offer = claimed.copy;
    }
    return finding;
}

std::string RecoveryQuestionText(const CRecoveryHeader& header) {
    return "前回の編集は正常に終了しませんでした。\n\"" + RecoveryDocumentName(header) +
           "\" の保存されていない変更を復元しますか？（" + RecoveryTimeText(header.savedAt) +
           " に保存）";
}

std::optional<CRecoveryCopy> RunRecoveryStartup(const CRecoveryStore& store,
                                                IRecoveryQuestion& question,
                                                IMessageBox& messageBox) {
    CRecoveryFinding finding = FindRecoveryCopy(store);
    for (const std::string& report : finding.reports)
        messageBox.Show(report, MsgIcon::Exclamation, MsgButtons::Ok);
    if (!finding.offer)
        return std::nullopt;
    if (question.AskRecover(RecoveryQuestionText(finding.offer->header)))
        return finding.offer;
    if (const CFileIoResult removed = store.RemoveOwnCopy(); !removed.ok)
        messageBox.Show("Cannot remove the recovery copy \"" + store.OwnCopyPath() +
                            "\": " + removed.error + ".",
                        MsgIcon::Exclamation, MsgButtons::Ok);
    return std::nullopt;
}
