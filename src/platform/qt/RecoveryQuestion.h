#pragma once

#include "RecoveryStartup.h"

class QWidget;

// The start-up question as a message box with the buttons 復元 (Recover, the default) and
// 破棄 (Discard). Closing the box recovers: nothing is lost that way.
class CQtRecoveryQuestion : public IRecoveryQuestion {
public:
    explicit CQtRecoveryQuestion(QWidget* parent = nullptr) : m_parent(parent) {}
    bool AskRecover(const std::string& text) override;

    static const char* const kRecoverText;
    static const char* const kDiscardText;

private:
    QWidget* m_parent;
};
