#pragma once

#include <QCoreApplication>
#include <QDialog>

class CSpanCountBox;
struct CCellSizeData;
class IMessageBox;
class QCheckBox;
class QGroupBox;
class QPushButton;

// The cell size dialog (格子大小(列, 行)) over CCellSizeData: the column width and the row
// height with up-down arrows, a 標準 button for each that puts the standard size into its box,
// and a check box for each that makes the value the standard size. The size group carries the
// data's title. OK checks the width against 25 .. 500 and the height against 15 .. 100; a
// number out of range brings the range message, and the dialog stays open with that box
// focused.
//   CCellSizeDlg dialog(data, messageBox, window);
//   if (dialog.exec() == QDialog::Accepted) ...
class CCellSizeDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CCellSizeDlg)

public:
    CCellSizeDlg(CCellSizeData& members, IMessageBox& messages, QWidget* parent = nullptr);

    QGroupBox* SizeGroup() const { return m_group; }
    CSpanCountBox* WidthBox() const { return m_width; }
    CSpanCountBox* HeightBox() const { return m_height; }
    QPushButton* StdWidthButton() const { return m_stdWidth; }
    QPushButton* StdHeightButton() const { return m_stdHeight; }
    QCheckBox* SaveStdWidthBox() const { return m_saveStdWidth; }
    QCheckBox* SaveStdHeightBox() const { return m_saveStdHeight; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    bool CheckNumber(CSpanCountBox* box, int min, int max, int& value);

    CCellSizeData& m_data;
    IMessageBox& m_messages;
    QGroupBox* m_group = nullptr;
    CSpanCountBox* m_width = nullptr;
    CSpanCountBox* m_height = nullptr;
    QPushButton* m_stdWidth = nullptr;
    QPushButton* m_stdHeight = nullptr;
    QCheckBox* m_saveStdWidth = nullptr;
    QCheckBox* m_saveStdHeight = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
