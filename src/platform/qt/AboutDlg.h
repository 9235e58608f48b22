#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

// The about box: product, release, a description and two contact addresses.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QLineEdit* m_mail1;
    QLineEdit* m_mail2;
    // The redistribution notice is filled in but kept out of view, as the dialog always had it.
    QPlainTextEdit* m_notice;
};
