#include "FileTypeDialog.h"

#include "UiResources.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CFileTypeDlg::CFileTypeDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(kAppName));
    auto* csv = new QPushButton(tr("CSV形式(&C)"), this);
    auto* tab = new QPushButton(tr("Tab 形式(&T)"), this);
    csv->setObjectName(QStringLiteral("csvButton"));
    tab->setObjectName(QStringLiteral("tabButton"));
    csv->setDefault(true);
    csv->setAutoDefault(true);
    tab->setAutoDefault(false);
    connect(csv, &QPushButton::clicked, this, &QDialog::accept);
    connect(tab, &QPushButton::clicked, this, &QDialog::reject);
    auto* question = new QLabel(
        tr("Are the fields of this text file separated by commas (CSV) or by tabs?"), this);
    question->setObjectName(QStringLiteral("question"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(csv);
    buttons->addWidget(tab);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CFileTypeDlg::AskCsv() {
    return exec() == QDialog::Accepted;
}
