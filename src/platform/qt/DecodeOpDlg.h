#pragma once

#include "DecodeOptions.h"

#include <QDialog>
#include <QString>

#include <memory>

class IMessageBox;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QTabWidget;

// Page "tabular環境" of the options sheet.
class CMyPropertyPage1 : public QWidget, public IOptionPage {
    Q_OBJECT
public:
    CMyPropertyPage1(COptionPage1Data& members, IMessageBox& messages, QWidget* parent = nullptr);
    bool Exchange(bool save) override;

    QCheckBox* m_doc;
    QCheckBox* m_cap;
    QCheckBox* m_com;
    QCheckBox* m_label;
    QCheckBox* m_table;
    QLineEdit* m_capStr;
    QLineEdit* m_labelStr;
    QButtonGroup* m_labelPos; // ids 0 above, 1 below

private:
    bool SaveText(QLineEdit* edit, const QString& shown, std::string& member);

    COptionPage1Data& m_members;
    IMessageBox& m_messages;
    // The texts as loaded, so that an untouched text keeps its bytes.
    QString m_shownCap;
    QString m_shownLabel;
};

// Page "array環境".
class CMyPropertyPage2 : public QWidget, public IOptionPage {
    Q_OBJECT
public:
    explicit CMyPropertyPage2(COptionPage2Data& members, QWidget* parent = nullptr);
    bool Exchange(bool save) override;

    QCheckBox* m_arrayCom;
    QButtonGroup* m_kakko; // ids 0..3
    QButtonGroup* m_math;  // ids 0..2
    QCheckBox* m_arrayDoc;

private:
    COptionPage2Data& m_members;
};

// Page "HTML格式".
class CMyPropertyPage3 : public QWidget, public IOptionPage {
    Q_OBJECT
public:
    explicit CMyPropertyPage3(COptionPage3Data& members, QWidget* parent = nullptr);
    bool Exchange(bool save) override;

    QCheckBox* m_borderHTML;

private:
    COptionPage3Data& m_members;
};

// The generation options sheet over the view's data: three tabs, OK and Cancel, no Apply.
// Closing by either button copies the page members into the options record.
class CDecodeOpDlg : public QDialog {
    Q_OBJECT
public:
    CDecodeOpDlg(CDecodeOpData& sheetData, IMessageBox& messages, QWidget* parent = nullptr);
    ~CDecodeOpDlg() override;

    void accept() override;
    void reject() override;

    QTabWidget* m_tabs;
    CMyPropertyPage1* m_page1;
    CMyPropertyPage2* m_page2;
    CMyPropertyPage3* m_page3;

private:
    void OnTabChanged(int index);

    std::unique_ptr<COptionSheetRun> m_run;
    bool m_restoringTab = false;
};
