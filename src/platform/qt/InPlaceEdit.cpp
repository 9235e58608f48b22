#include "InPlaceEdit.h"

#include "CellInputData.h"
#include "Cp932Text.h"
#include "InputCodes.h"
#include "Resource.h"
#include "UiText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QToolTip>
#include <QValidator>

namespace {

void ShowRefusal(QWidget* edit, const QString& message) {
    QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), message, edit);
}

// Refuses a change that would leave text the cell cannot hold; the editor keeps what it had.
class CCp932Validator : public QValidator {
public:
    explicit CCp932Validator(QLineEdit* edit) : QValidator(edit), m_edit(edit) {}

    State validate(QString& input, int& /*pos*/) const override {
        QString bad;
        const std::optional<std::string> cp932 = QStringToCp932(input, &bad);
        if (!cp932) {
            ShowRefusal(m_edit, UiText(QString::fromUtf8(kMsgCharNotCp932)).arg(bad));
            return Invalid;
        }
        if (cp932->size() > MAX_TEXT_BYTES) {
            ShowRefusal(m_edit, UiText(QString::fromUtf8(kMsgTextTooLong)));
            return Invalid;
        }
        return Acceptable;
    }

private:
    QLineEdit* m_edit;
};

} // namespace

CInPlaceEdit::CInPlaceEdit(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("IDC_INPLACE_EDIT"));
    setProperty("controlId", IDC_INPLACE_EDIT);
    setFrame(true);
    // The characters, not the line edit's own limit of 32767, set the bound.
    setMaxLength(static_cast<int>(MAX_TEXT_BYTES));
    setValidator(new CCp932Validator(this));
    setAttribute(Qt::WA_InputMethodEnabled);
}

std::optional<std::string> CInPlaceEdit::Cp932Text() {
    QString bad;
    std::optional<std::string> cp932 = QStringToCp932(text(), &bad);
    if (!cp932) {
        ShowRefusal(this, UiText(QString::fromUtf8(kMsgCharNotCp932)).arg(bad));
        return std::nullopt;
    }
    if (cp932->size() > MAX_TEXT_BYTES) {
        ShowRefusal(this, UiText(QString::fromUtf8(kMsgTextTooLong)));
        return std::nullopt;
    }
    return cp932;
}

bool CInPlaceEdit::event(QEvent* e) {
    // Tab ends the editor instead of moving the focus along the chain.
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            End(VK_TAB);
            return true;
        }
    }
    return QLineEdit::event(e);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        End(VK_RETURN);
        return;
    case Qt::Key_Escape:
        End(VK_ESCAPE);
        return;
    default:
        QLineEdit::keyPressEvent(e);
        // A key the line edit does not use (Shift or Ctrl alone, Up, a function key) would go
        // on to the parent, the grid, whose key handler ends the editor: it stays here.
        e->accept();
    }
}

void CInPlaceEdit::keyReleaseEvent(QKeyEvent* e) {
    QLineEdit::keyReleaseEvent(e);
    e->accept();
}

void CInPlaceEdit::End(int key) {
    m_endKey = key;
    if (parentWidget())
        parentWidget()->setFocus(Qt::OtherFocusReason);
    // Without an active window no focus event comes; report the end all the same.
    ReportFocusLost();
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    // The line edit's own context menu takes the focus only for a moment.
    if (e->reason() != Qt::PopupFocusReason)
        ReportFocusLost();
}

void CInPlaceEdit::ReportFocusLost() {
    // The handler closes the editor, which clears it first.
    if (const std::function<void()> handler = onFocusLost)
        handler();
}
