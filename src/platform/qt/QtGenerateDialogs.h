#pragma once

#include "GenerateDialogs.h"

#include <QObject>
#include <QPointer>

#include <memory>

class CGenerateProgressDlg;
class IClipboard;
class IFileDialog;
class IMessageBox;
class QWidget;

// The generate commands' dialogs in Qt, modal to the owner window.
//   auto* dialogs = new CQtGenerateDialogs(messageBox, fileDialog, mainWindow);
//   view.SetGenerateServices(dialogs->Services());
class CQtGenerateDialogs : public QObject, public IGenerateDialogs {
    Q_OBJECT
public:
    // Uses the system clipboard unless SetClipboard gives another.
    CQtGenerateDialogs(IMessageBox& messageBox, IFileDialog& fileDialog, QWidget* owner);
    ~CQtGenerateDialogs() override;

    CGenerateServices Services();
    void SetClipboard(IClipboard* clipboard);

    void RunOptionsSheet(CDecodeOpData& data) override;
    int RunTargetDialog() override;
    IGenerateProgress& BeginProgress() override;
    void EndProgress() override;
    void RunPreview(CSourcePreviewData& data,
                    const std::function<bool(const std::string&)>& save) override;
    bool RunOutputMethod(COutputMethodData& data) override;

private:
    QWidget* Owner() const;

    IMessageBox& m_messageBox;
    IFileDialog& m_fileDialog;
    std::unique_ptr<IClipboard> m_systemClipboard;
    IClipboard* m_clipboard;
    QPointer<QWidget> m_owner;
    CGenerateProgressDlg* m_progress = nullptr;
};
