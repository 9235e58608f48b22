#pragma once

#include "FileTypeQuestion.h"

#include <QDialog>

// Asks whether a text file is comma- or tab-separated: two buttons, CSV the default.
class CFileTypeDlg : public QDialog, public IFileTypeQuestion {
    Q_OBJECT
public:
    explicit CFileTypeDlg(QWidget* parent = nullptr);

    // Accepted (the CSV button) means CSV; the Tab button or closing means tab-separated.
    bool AskCsv() override;
};
