#include "DecodeOpDlg.h"

#include "Cp932Text.h"
#include "MessageBox.h"
#include "RadioGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QCheckBox* NewCheck(const QString& text, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

void SetCheck(QCheckBox* box, int value) {
    box->setChecked(value != 0);
}
int GetCheck(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

} // namespace

CMyPropertyPage1::CMyPropertyPage1(COptionPage1Data& members, IMessageBox& messages,
                                   QWidget* parent)
    : QWidget(parent), m_members(members), m_messages(messages) {
    m_doc = NewCheck(tr("加一行 \\documentstyle{..."), "Doc", this);
    m_cap = NewCheck(tr("加 caption"), "Cap", this);
    m_com = NewCheck(tr("加註解"), "Com", this);
    m_label = NewCheck(tr("加 label"), "Label", this);
    m_table = NewCheck(tr("加一行 \\begin{table}..."), "Table", this);
    m_capStr = new QLineEdit(this);
    m_capStr->setObjectName(QStringLiteral("CapStr"));
    m_labelStr = new QLineEdit(this);
    m_labelStr->setObjectName(QStringLiteral("LabelStr"));
    QGroupBox* position =
        NewRadioGroup(tr("caption 的位置"), {tr("上"), tr("下")}, m_labelPos, this);
    position->setObjectName(QStringLiteral("LabelPos"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_doc, 0, 0, 1, 3);
    layout->addWidget(m_table, 1, 0, 1, 3);
    layout->addWidget(m_com, 2, 0, 1, 3);
    layout->addWidget(m_cap, 3, 0);
    layout->addWidget(new QLabel(QStringLiteral("\\caption"), this), 3, 1);
    layout->addWidget(m_capStr, 3, 2);
    layout->addWidget(m_label, 4, 0);
    layout->addWidget(new QLabel(QStringLiteral("\\label"), this), 4, 1);
    layout->addWidget(m_labelStr, 4, 2);
    layout->addWidget(position, 5, 0, 1, 3);
    layout->setRowStretch(6, 1);
    layout->setColumnStretch(2, 1);
}

bool CMyPropertyPage1::SaveText(QLineEdit* edit, const QString& shown, std::string& member) {
    if (edit->text() == shown)
        return true;
    QString bad;
    const std::optional<std::string> cp932 = QStringToCp932(edit->text(), &bad);
    if (!cp932) {
        m_messages.Show(QString::fromUtf8(kMsgCharNotCp932).arg(bad).toStdString(),
                        MsgIcon::Exclamation);
        edit->setFocus();
        return false;
    }
    member = *cp932;
    return true;
}

bool CMyPropertyPage1::Exchange(bool save) {
    COptionPage1Data& m = m_members;
    if (save) {
        // The texts first: a refused text leaves every member as it was.
        std::string cap = m.CapStr;
        std::string label = m.LabelStr;
        if (!SaveText(m_capStr, m_shownCap, cap) || !SaveText(m_labelStr, m_shownLabel, label))
            return false;
        m.Doc = GetCheck(m_doc);
        m.Cap = GetCheck(m_cap);
        m.Com = GetCheck(m_com);
        m.Label = GetCheck(m_label);
        m.Table = GetCheck(m_table);
        m.CapStr = cap;
        m.LabelStr = label;
        m.LabelPos = m_labelPos->checkedId();
        m_shownCap = m_capStr->text();
        m_shownLabel = m_labelStr->text();
        return true;
    }
    SetCheck(m_doc, m.Doc);
    SetCheck(m_cap, m.Cap);
    SetCheck(m_com, m.Com);
    SetCheck(m_label, m.Label);
    SetCheck(m_table, m.Table);
    m_shownCap = Cp932ToQString(m.CapStr);
    m_shownLabel = Cp932ToQString(m.LabelStr);
    m_capStr->setText(m_shownCap);
    m_labelStr->setText(m_shownLabel);
    SetRadio(m_labelPos, m.LabelPos);
    return true;
}

CMyPropertyPage2::CMyPropertyPage2(COptionPage2Data& members, QWidget* parent)
    : QWidget(parent), m_members(members) {
    m_arrayCom = NewCheck(tr("加註解"), "ArrayCom", this);
    QGroupBox* kakko = NewRadioGroup(
        tr("括弧的種類"), {tr("無"), tr("小括弧   ("), tr("大括弧   {"), tr("中括弧   [")}, m_kakko,
        this);
    kakko->setObjectName(QStringLiteral("Kakko"));
    QGroupBox* math = NewRadioGroup(
        tr("數式環境"), {tr("無"), tr("行中數式表示 $"), tr("顯示式數式表示 \\[")}, m_math, this);
    math->setObjectName(QStringLiteral("Math"));
    m_arrayDoc = NewCheck(tr("加 \\documentstyle..."), "ArrayDoc", this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_arrayCom, 0, 0, 1, 2);
    layout->addWidget(kakko, 1, 0);
    layout->addWidget(math, 1, 1);
    layout->addWidget(m_arrayDoc, 2, 0, 1, 2);
    layout->setRowStretch(3, 1);
}

bool CMyPropertyPage2::Exchange(bool save) {
    COptionPage2Data& m = m_members;
    if (save) {
        m.ArrayCom = GetCheck(m_arrayCom);
        m.Kakko = m_kakko->checkedId();
        m.Math = m_math->checkedId();
        m.ArrayDoc = GetCheck(m_arrayDoc);
        return true;
    }
    SetCheck(m_arrayCom, m.ArrayCom);
    SetRadio(m_kakko, m.Kakko);
    SetRadio(m_math, m.Math);
    SetCheck(m_arrayDoc, m.ArrayDoc);
    return true;
}

CMyPropertyPage3::CMyPropertyPage3(COptionPage3Data& members, QWidget* parent)
    : QWidget(parent), m_members(members) {
    m_borderHTML = NewCheck(tr("引入框線"), "BorderHTML", this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_borderHTML);
    layout->addStretch(1);
}

bool CMyPropertyPage3::Exchange(bool save) {
    if (save)
        m_members.BorderHTML = GetCheck(m_borderHTML);
    else
        SetCheck(m_borderHTML, m_members.BorderHTML);
    return true;
}

CDecodeOpDlg::CDecodeOpDlg(CDecodeOpData& sheetData, IMessageBox& messages, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("產生之選項"));
    m_tabs = new QTabWidget(this);
    m_page1 = new CMyPropertyPage1(sheetData.m_page1, messages);
    m_page2 = new CMyPropertyPage2(sheetData.m_page2);
    m_page3 = new CMyPropertyPage3(sheetData.m_page3);
    m_tabs->addTab(m_page1, tr("tabular環境"));
    m_tabs->addTab(m_page2, tr("array環境"));
    m_tabs->addTab(m_page3, tr("HTML格式"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDecodeOpDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDecodeOpDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);

    m_run = std::make_unique<COptionSheetRun>(
        sheetData,
        std::array<IOptionPage*, COptionSheetRun::PAGE_COUNT>{m_page1, m_page2, m_page3});
    m_run->Open(m_tabs->currentIndex());
    connect(m_tabs, &QTabWidget::currentChanged, this, &CDecodeOpDlg::OnTabChanged);
}

CDecodeOpDlg::~CDecodeOpDlg() {
    // Destroyed without OK or Cancel: the members still go back into the record.
    m_run->Cancel();
}

void CDecodeOpDlg::OnTabChanged(int index) {
    if (m_restoringTab)
        return;
    if (!m_run->SelectPage(index)) {
        m_restoringTab = true;
        m_tabs->setCurrentIndex(m_run->CurrentPage());
        m_restoringTab = false;
    }
}

void CDecodeOpDlg::accept() {
    if (!m_run->Ok())
        return;
    QDialog::accept();
}

void CDecodeOpDlg::reject() {
    m_run->Cancel();
    QDialog::reject();
}
