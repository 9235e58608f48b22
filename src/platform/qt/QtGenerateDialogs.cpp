#include "QtGenerateDialogs.h"

#include "DecodeOpDlg.h"
#include "GenerateDlgs.h"
#include "QtClipboard.h"
#include "SourcePreviewDlg.h"

#include <QApplication>
#include <QMainWindow>

CQtGenerateDialogs::CQtGenerateDialogs(IMessageBox& messageBox, IFileDialog& fileDialog,
                                       QWidget* owner)
    : QObject(owner), m_messageBox(messageBox), m_fileDialog(fileDialog),
      m_systemClipboard(std::make_unique<CQtClipboard>()), m_clipboard(m_systemClipboard.get()),
      m_owner(owner) {}

CQtGenerateDialogs::~CQtGenerateDialogs() {
    EndProgress();
}

CGenerateServices CQtGenerateDialogs::Services() {
    return {this, &m_messageBox, &m_fileDialog};
}

void CQtGenerateDialogs::SetClipboard(IClipboard* clipboard) {
    m_clipboard = clipboard ? clipboard : m_systemClipboard.get();
}

QWidget* CQtGenerateDialogs::Owner() const {
    return m_owner ? m_owner.data() : QApplication::activeWindow();
}

void CQtGenerateDialogs::RunOptionsSheet(CDecodeOpData& data) {
    CDecodeOpDlg sheet(data, m_messageBox, Owner());
    sheet.exec();
}

int CQtGenerateDialogs::RunTargetDialog() {
    CGenerateTargetDlg dialog(Owner());
    return dialog.exec() == QDialog::Accepted ? dialog.m_target : -1;
}

IGenerateProgress& CQtGenerateDialogs::BeginProgress() {
    EndProgress();
    QWidget* owner = Owner();
    // Centred over the grid, the main window's client.
    QWidget* view = owner;
    if (auto* main = qobject_cast<QMainWindow*>(owner); main && main->centralWidget())
        view = main->centralWidget();
    m_progress = new CGenerateProgressDlg(owner);
    m_progress->ShowNow(view);
    return *m_progress;
}

void CQtGenerateDialogs::EndProgress() {
    delete m_progress;
    m_progress = nullptr;
}

void CQtGenerateDialogs::RunPreview(CSourcePreviewData& data,
                                    const std::function<bool(const std::string&)>& save) {
    CSourcePreviewDlg preview(data, *m_clipboard, m_messageBox, save, Owner());
    preview.exec();
    // Not every window manager gives the main window the focus back (its keys, Ctrl+Q).
    if (QWidget* owner = Owner())
        owner->activateWindow();
}

bool CQtGenerateDialogs::RunOutputMethod(COutputMethodData& data) {
    // Modal to the preview that asked for it.
    QWidget* parent = QApplication::activeModalWidget();
    COutputMethodDlg dialog(data, m_messageBox, parent ? parent : Owner());
    return dialog.exec() == QDialog::Accepted;
}
