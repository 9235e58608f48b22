#pragma once

#include "RecoveryCopy.h"
#include "RecoveryStore.h"

#include <optional>
#include <string>
#include <vector>

class IMessageBox;

// The start-up question about a copy left behind: Recover or Discard.
class IRecoveryQuestion {
public:
    virtual ~IRecoveryQuestion() = default;
    // True for Recover, false for Discard.
    virtual bool AskRecover(const std::string& text) = 0;
};

struct CRecoveryFinding {
    // A copy left by an editor that is gone, now claimed as this editor's own copy.
    std::optional<CRecoveryCopy> offer;
    // One message for each copy that could not be read (moved aside, never deleted).
    std::vector<std::string> reports;
};

// What the stored copies hold at start-up. Copies of editors still running are left alone.
// Of those whose editor is gone, the newest readable one is claimed and offered, unreadable
// ones are moved aside and reported, and the other readable ones wait for a later start.
CRecoveryFinding FindRecoveryCopy(const CRecoveryStore& store);

// "前回の編集は…"NAME" の保存されていない変更を復元しますか？（TIME に保存）"
std::string RecoveryQuestionText(const CRecoveryHeader& header);

// The start-up step: shows the reports, asks about the offered copy and removes it on
// Discard. The copy to open when the answer was Recover.
std::optional<CRecoveryCopy> RunRecoveryStartup(const CRecoveryStore& store,
                                                IRecoveryQuestion& question,
                                                IMessageBox& messageBox);
