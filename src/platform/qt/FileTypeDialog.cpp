#include "FileTypeDialog.h"

#include "UiResources.h"

#include <QHBoxLayout>
#include <QPushButton>

CFileTypeDlg::CFileTypeDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(kAppName));
    auto* csv = new QPushButton(QStringLiteral("CSV形式(&C)"), this);
    auto* tab = new QPushButton(QStringLiteral("Tab 形式(&T)"), this);
    csv->setObjectName(QStringLiteral("csvButton"));
    tab->setObjectName(QStringLiteral("tabButton"));
    csv->setDefault(true);
    csv->setAutoDefault(true);
    tab->setAutoDefault(false);
    connect(csv, &QPushButton::clicked, this, &QDialog::accept);
    connect(tab, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(csv);
    layout->addWidget(tab);
}

bool CFileTypeDlg::AskCsv() {
    return exec() == QDialog::Accepted;
}
