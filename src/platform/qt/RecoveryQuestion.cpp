#include "RecoveryQuestion.h"

#include "UiResources.h"

#include <QMessageBox>
#include <QPushButton>

const char* const CQtRecoveryQuestion::kRecoverText = "復元(&R)";
const char* const CQtRecoveryQuestion::kDiscardText = "破棄(&D)";

bool CQtRecoveryQuestion::AskRecover(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kAppName),
                    QString::fromStdString(text), QMessageBox::NoButton, m_parent);
    box.setObjectName(QStringLiteral("recoveryQuestion"));
    QPushButton* recover = box.addButton(QString::fromUtf8(kRecoverText), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QString::fromUtf8(kDiscardText), QMessageBox::DestructiveRole);
    recover->setObjectName(QStringLiteral("recover"));
    discard->setObjectName(QStringLiteral("discard"));
    box.setDefaultButton(recover);
    box.setEscapeButton(recover);
    box.exec();
    return box.clickedButton() != discard;
}
