#include "CellInputDlg.h"

#include "CellInputData.h"
#include "Cp932Text.h"
#include "MessageBox.h"
#include "RadioGroup.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPushButton* NewButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Neither button is marked as the default (the dialog handles Enter itself).
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// The edit box shows line ends as LF; cell texts keep them as CR LF.
QString ForTextBox(const std::string& cp932) {
    QString text = Cp932ToQString(cp932);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

} // namespace

CSpanCountBox::CSpanCountBox(QWidget* parent) : QAbstractSpinBox(parent) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(true);
}

void CSpanCountBox::SetNumber(int n) {
    lineEdit()->setText(QString::number(n));
}

void CSpanCountBox::stepBy(int steps) {
    bool ok = false;
    int n = text().trimmed().toInt(&ok);
    if (!ok)
        n = m_minimum;
    SetNumber(std::clamp(n + steps, m_minimum, std::max(m_maximum, m_minimum)));
    selectAll();
}

QAbstractSpinBox::StepEnabled CSpanCountBox::stepEnabled() const {
    bool ok = false;
    const int n = text().trimmed().toInt(&ok);
    if (!ok)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (n < m_maximum)
        enabled |= StepUpEnabled;
    if (n > m_minimum)
        enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State CSpanCountBox::validate(QString& input, int& /*pos*/) const {
    if (input.size() > 5)
        return QValidator::Invalid;
    for (const QChar c : input)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

CCellInputDlg::CCellInputDlg(CCellInputData& members, IMessageBox& messages, QWidget* parent)
    : QDialog(parent), m_data(members), m_messages(messages) {
    setWindowTitle(tr("文字輸入"));

    auto* textGroup = new QGroupBox(tr("文字資料"), this);
    m_textBox = new QPlainTextEdit(textGroup);
    m_textBox->setObjectName(QStringLiteral("text"));
    m_textBox->setTabChangesFocus(true);
    m_textBox->setMinimumSize(300, 90);
    m_textBox->installEventFilter(this);
    auto* textLayout = new QVBoxLayout(textGroup);
    textLayout->addWidget(m_textBox);

    QGroupBox* hplaceBox = NewRadioGroup(tr("水平位置"), {tr("左靠"), tr("置中"), tr("右靠")},
                                         m_hplace, this, "hplace", true);
    m_vplaceBox = NewRadioGroup(tr("垂直位置"), {tr("靠上"), tr("置中"), tr("靠下")}, m_vplace,
                                this, "vplace", true);
    // Shown so the user sees the vertical placement, but it cannot be changed here.
    m_vplaceBox->setEnabled(false);

    auto* spanBox = new QGroupBox(tr("佔有格子數"), this);
    m_colspan = new CSpanCountBox(spanBox);
    m_colspan->setObjectName(QStringLiteral("colspan"));
    m_rowspan = new CSpanCountBox(spanBox);
    m_rowspan->setObjectName(QStringLiteral("rowspan"));
    auto* spanLayout = new QGridLayout(spanBox);
    auto* colLabel = new QLabel(tr("水平方向"), spanBox);
    colLabel->setBuddy(m_colspan);
    auto* rowLabel = new QLabel(tr("垂直方向"), spanBox);
    rowLabel->setBuddy(m_rowspan);
    spanLayout->addWidget(colLabel, 0, 0);
    spanLayout->addWidget(m_colspan, 0, 1);
    spanLayout->addWidget(rowLabel, 1, 0);
    spanLayout->addWidget(m_rowspan, 1, 1);
    spanLayout->setRowStretch(2, 1);

    m_ok = NewButton(tr("OK"), "ok", this);
    m_cancel = NewButton(tr("取消"), "cancel", this);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* middle = new QHBoxLayout;
    middle->addWidget(hplaceBox);
    middle->addWidget(m_vplaceBox);
    middle->addWidget(spanBox, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textGroup, 1);
    layout->addLayout(middle);
    layout->addLayout(buttons);

    m_shownText = ForTextBox(m_data.m_text);
    m_textBox->setPlainText(m_shownText);
    SetRadio(m_hplace, m_data.m_hplace);
    SetRadio(m_vplace, m_data.m_vplace);
    m_colspan->SetMaximum(m_data.m_maxColspan);
    m_rowspan->SetMaximum(m_data.m_maxRowspan);
    m_colspan->SetNumber(m_data.m_colspan);
    m_rowspan->SetNumber(m_data.m_rowspan);
    setTabOrder(m_textBox, m_hplace->button(0));
}

void CCellInputDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    m_textBox->setFocus(Qt::OtherFocusReason);
    m_textBox->selectAll();
    m_textBox->ensureCursorVisible();
}

void CCellInputDlg::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    if (!enter || mods != Qt::NoModifier) {
        QDialog::keyPressEvent(e);
        return;
    }
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
        button->click();
    else
        accept();
}

bool CCellInputDlg::eventFilter(QObject* watched, QEvent* e) {
    // Leaving the text box for another control keeps what it holds, also for Cancel.
    // Closing or leaving the window is not such a move.
    if (watched == m_textBox && e->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            std::string bytes;
            if (TextBytes(bytes, false)) {
                m_data.m_text = bytes;
                m_shownText = m_textBox->toPlainText();
            }
        }
    }
    return QDialog::eventFilter(watched, e);
}

bool CCellInputDlg::TextBytes(std::string& out, bool report) {
    const QString text = m_textBox->toPlainText();
    if (text == m_shownText) {
        out = m_data.m_text;
        return true;
    }
    QString bad;
    const std::optional<std::string> cp932 = QStringToCp932(WithCrLf(text), &bad);
    if (!cp932) {
        if (report)
            m_messages.Show(QString::fromUtf8(kMsgCharNotCp932).arg(bad).toStdString(),
                            MsgIcon::Exclamation);
        return false;
    }
    if (cp932->size() > MAX_TEXT_BYTES) {
        if (report)
            m_messages.Show(kMsgTextTooLong, MsgIcon::Exclamation);
        return false;
    }
    out = *cp932;
    return true;
}

bool CCellInputDlg::CheckCount(CSpanCountBox* box, int& value) {
    if (ParseSpanCount(box->text().toStdString(), value))
        return true;
    m_messages.Show(kMsgSpanCountRange, MsgIcon::Exclamation);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    return false;
}

void CCellInputDlg::accept() {
    // Everything is checked before anything is stored.
    int colspan = 0;
    int rowspan = 0;
    if (!CheckCount(m_colspan, colspan) || !CheckCount(m_rowspan, rowspan))
        return;
    std::string text;
    if (!TextBytes(text, true)) {
        m_textBox->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_data.m_text = text;
    m_shownText = m_textBox->toPlainText();
    m_data.m_colspan = colspan;
    m_data.m_rowspan = rowspan;
    if (m_hplace->checkedId() >= 0)
        m_data.m_hplace = m_hplace->checkedId();
    if (m_vplace->checkedId() >= 0)
        m_data.m_vplace = m_vplace->checkedId();
    QDialog::accept();
}
