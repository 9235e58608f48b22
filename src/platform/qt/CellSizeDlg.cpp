#include "CellSizeDlg.h"

#include "UiText.h"

#include "CellInputData.h"
#include "CellInputDlg.h"
#include "CellSizeData.h"
#include "MessageBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

CSpanCountBox* NewSizeBox(int min, int max, int value, const char* name, QWidget* parent) {
    auto* box = new CSpanCountBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->SetMinimum(min);
    box->SetMaximum(max);
    box->SetNumber(value);
    // Room for five digits besides the arrows.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                         box->sizeHint().width());
    return box;
}

QPushButton* NewStdButton(const char* tip, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QCoreApplication::translate("CCellSizeDlg", "標準"), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(UiText(std::string(tip)));
    button->setAutoDefault(false);
    return button;
}

QCheckBox* NewSaveBox(bool checked, const char* name, QWidget* parent) {
    auto* box =
        new QCheckBox(QCoreApplication::translate("CCellSizeDlg", "下一次開始之標準值"), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

} // namespace

CCellSizeDlg::CCellSizeDlg(CCellSizeData& members, IMessageBox& messages, QWidget* parent)
    : QDialog(parent), m_data(members), m_messages(messages) {
    setWindowTitle(UiText(std::string(kCellSizeCaption)));

    m_group = new QGroupBox(UiText(m_data.m_title), this);
    m_width = NewSizeBox(MIN_COLUMN_WIDTH, MAX_COLUMN_WIDTH, m_data.m_width, "width", m_group);
    m_height = NewSizeBox(MIN_ROW_HEIGHT, MAX_ROW_HEIGHT, m_data.m_height, "height", m_group);
    m_stdWidth = NewStdButton(kStdWidthTip, "stdWidth", m_group);
    m_stdHeight = NewStdButton(kStdHeightTip, "stdHeight", m_group);
    m_saveStdWidth = NewSaveBox(m_data.m_saveStdWidth, "saveStdWidth", m_group);
    m_saveStdHeight = NewSaveBox(m_data.m_saveStdHeight, "saveStdHeight", m_group);
    auto* widthLabel = new QLabel(tr("水平方向(列)"), m_group);
    widthLabel->setBuddy(m_width);
    auto* heightLabel = new QLabel(tr("垂直方向(行)"), m_group);
    heightLabel->setBuddy(m_height);
    auto* grid = new QGridLayout(m_group);
    grid->addWidget(widthLabel, 0, 0);
    grid->addWidget(m_width, 0, 1);
    grid->addWidget(m_stdWidth, 0, 2);
    grid->addWidget(m_saveStdWidth, 0, 3);
    grid->addWidget(heightLabel, 1, 0);
    grid->addWidget(m_height, 1, 1);
    grid->addWidget(m_stdHeight, 1, 2);
    grid->addWidget(m_saveStdHeight, 1, 3);

    connect(m_stdWidth, &QPushButton::clicked, this, [this] {
        m_data.m_width = m_data.m_stdWidth;
        m_width->SetNumber(m_data.m_width);
    });
    connect(m_stdHeight, &QPushButton::clicked, this, [this] {
        m_data.m_height = m_data.m_stdHeight;
        m_height->SetNumber(m_data.m_height);
    });

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("取消"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addLayout(buttons);
    setTabOrder(m_width, m_stdWidth);
    setTabOrder(m_stdWidth, m_saveStdWidth);
    setTabOrder(m_saveStdWidth, m_height);
    setTabOrder(m_height, m_stdHeight);
    setTabOrder(m_stdHeight, m_saveStdHeight);
    setTabOrder(m_saveStdHeight, m_ok);
    setTabOrder(m_ok, m_cancel);
}

void CCellSizeDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Typing replaces the width at once.
    m_width->setFocus(Qt::OtherFocusReason);
    m_width->selectAll();
}

bool CCellSizeDlg::CheckNumber(CSpanCountBox* box, int min, int max, int& value) {
    if (ParseIntInRange(box->text().toStdString(), min, max, value))
        return true;
    m_messages.Show(RangeMessage(min, max), MsgIcon::Exclamation);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    return false;
}

void CCellSizeDlg::accept() {
    int width = 0;
    int height = 0;
    if (!CheckNumber(m_width, MIN_COLUMN_WIDTH, MAX_COLUMN_WIDTH, width) ||
        !CheckNumber(m_height, MIN_ROW_HEIGHT, MAX_ROW_HEIGHT, height))
        return;
    m_data.m_saveStdWidth = m_saveStdWidth->isChecked();
    m_data.m_saveStdHeight = m_saveStdHeight->isChecked();
    m_data.m_width = width;
    m_data.m_height = height;
    QDialog::accept();
}
