#include "RecoveryQuestion.h"

#include "QtMessageBox.h"
#include "UiResources.h"
#include "UiText.h"

#include <QCoreApplication>

#include <QMessageBox>
#include <QPushButton>

const char* const CQtRecoveryQuestion::kRecoverText =
    QT_TRANSLATE_NOOP("CQtRecoveryQuestion", "復元(&R)");
const char* const CQtRecoveryQuestion::kDiscardText =
    QT_TRANSLATE_NOOP("CQtRecoveryQuestion", "破棄(&D)");

bool CQtRecoveryQuestion::AskRecover(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kAppName), UiText(text),
                    QMessageBox::NoButton, m_parent);
    box.setObjectName(QStringLiteral("recoveryQuestion"));
    QPushButton* recover = box.addButton(
        QCoreApplication::translate("CQtRecoveryQuestion", kRecoverText), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QCoreApplication::translate("CQtRecoveryQuestion", kDiscardText),
                      QMessageBox::DestructiveRole);
    recover->setObjectName(QStringLiteral("recover"));
    discard->setObjectName(QStringLiteral("discard"));
    box.setDefaultButton(recover);
    box.setEscapeButton(recover);
    FitTitle(box);
    box.exec();
    return box.clickedButton() != discard;
}
