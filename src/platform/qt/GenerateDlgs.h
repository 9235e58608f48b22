#pragma once

#include "GenerateDialogs.h"

#include <QDialog>

class IMessageBox;
class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The target dialog: one button per target, each closing the dialog with OK.
class CGenerateTargetDlg : public QDialog {
    Q_OBJECT
public:
    explicit CGenerateTargetDlg(QWidget* parent = nullptr);

    int m_target = TARGET_TABULAR;
    QPushButton* m_tabular; // the OK button
    QPushButton* m_array;
    QPushButton* m_html;
    QPushButton* m_cancel;

private:
    void Choose(int target);
};

// The progress window shown while a writer runs. No events are processed during the run,
// so it paints itself at once: when shown and whenever the bar moves.
class CGenerateProgressDlg : public QDialog, public IGenerateProgress {
    Q_OBJECT
public:
    explicit CGenerateProgressDlg(QWidget* parent = nullptr);

    // Shows the window centred over `over` and paints it.
    void ShowNow(QWidget* over);

    void SetRange(int first, int last) override;
    void SetPos(int pos) override;

    QGroupBox* m_group;
    QProgressBar* m_progress;
};

// The output method dialog: insert into an existing file after the keyword, or write a
// new file. The keyword can be edited only for the existing-file method, the new file's
// encoding only for the new-file method.
class COutputMethodDlg : public QDialog {
    Q_OBJECT
public:
    COutputMethodDlg(COutputMethodData& method, IMessageBox& messages, QWidget* parent = nullptr);

    void accept() override;

    QButtonGroup* m_method; // ids 0 existing file, 1 new file
    QGroupBox* m_keywordGroup;
    QLineEdit* m_keyword;
    QGroupBox* m_encodingGroup;
    QButtonGroup* m_encoding; // ids: TextEncoding values

private:
    COutputMethodData& m_data;
    IMessageBox& m_messages;
};
