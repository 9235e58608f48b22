#pragma once

#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QDialog>

struct CCellInputData;
class IMessageBox;
class QButtonGroup;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;

// A number box with an attached up-down control: the box takes any number of up to five
// digits (OK checks the range), the arrows and the arrow keys step within minimum .. maximum
// (1 .. 250 unless set).
class CSpanCountBox : public QAbstractSpinBox {
public:
    explicit CSpanCountBox(QWidget* parent = nullptr);

    void SetMinimum(int minimum) { m_minimum = minimum; }
    int Minimum() const { return m_minimum; }
    void SetMaximum(int maximum) { m_maximum = maximum; }
    int Maximum() const { return m_maximum; }
    void SetNumber(int n);
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;

private:
    int m_minimum = 1;
    int m_maximum = 250;
};

// The text input dialog (文字輸入) over the view's CCellInputData. The text box shows the
// data's text when the dialog opens and stores into it whenever it loses the focus inside
// the dialog; OK checks both counts and the text and, when they pass, stores everything.
// A refused value keeps the dialog open with a message. Neither button looks like the
// default; Enter presses the focused button and means OK elsewhere (the text box keeps it for
// a line break).
//   CCellInputDlg dialog(view.m_cellInput, messageBox, window);
//   if (dialog.exec() == QDialog::Accepted) ...
class CCellInputDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CCellInputDlg)

public:
    CCellInputDlg(CCellInputData& members, IMessageBox& messages, QWidget* parent = nullptr);

    QPlainTextEdit* TextBox() const { return m_textBox; }
    CSpanCountBox* ColspanBox() const { return m_colspan; }
    CSpanCountBox* RowspanBox() const { return m_rowspan; }
    QButtonGroup* HplaceGroup() const { return m_hplace; }
    QButtonGroup* VplaceGroup() const { return m_vplace; }
    QGroupBox* VplaceBox() const { return m_vplaceBox; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The text box's contents in code page 932 (CR LF line ends); the data's own bytes when
    // it was not edited. False (after a message when report is set) when it cannot be stored.
    bool TextBytes(std::string& out, bool report);
    bool CheckCount(CSpanCountBox* box, int& value);

    CCellInputData& m_data;
    IMessageBox& m_messages;
    QString m_shownText; // what the text box showed for m_data.m_text
    QPlainTextEdit* m_textBox = nullptr;
    QButtonGroup* m_hplace = nullptr;
    QButtonGroup* m_vplace = nullptr;
    QGroupBox* m_vplaceBox = nullptr;
    CSpanCountBox* m_colspan = nullptr;
    CSpanCountBox* m_rowspan = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
