#pragma once

#include "GenerateDialogs.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class IClipboard;
class IMessageBox;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;

// The preview of the generated source: the text can be read and edited, copied to the
// clipboard, or handed to the save function. It opens at the size kept in the data (or
// maximised) and puts its final size there when it closes.
class CSourcePreviewDlg : public QDialog {
    Q_OBJECT
public:
    using SaveFunction = std::function<bool(const std::string& text)>;

    // The dialog's own size, used when the data holds none.
    static constexpr int DEFAULT_WIDTH = 560;
    static constexpr int DEFAULT_HEIGHT = 400;

    CSourcePreviewDlg(CSourcePreviewData& preview, IClipboard& clipboard, IMessageBox& messages,
                      SaveFunction save, QWidget* parent = nullptr);

    // The text as edited, in code page 932 with CR LF line ends; the text as given while it is
    // unedited. Without a value (after a message) when a character has no code page 932 form.
    std::optional<std::string> EditedText();

    // Save button: hands the edited text to the save function and closes when it says so.
    void OnSave();
    // Clipboard button: copies the whole edited text; the dialog stays open.
    void OnCopy();

    void done(int result) override;

    QGroupBox* m_group;
    QPlainTextEdit* m_edit;
    QPushButton* m_save;
    QPushButton* m_copy;
    QPushButton* m_cancel;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Layout();

    CSourcePreviewData& m_data;
    IClipboard& m_clipboard;
    IMessageBox& m_messages;
    SaveFunction m_saveFunction;
    bool m_initialized = false;
    bool m_placed = false;
    bool m_readable = true; // every byte of the text could be shown
};

// Message when the generated text holds bytes that are not code page 932 (UTF-8).
inline constexpr const char* kMsgPreviewUnreadable =
    "生成した原始碼にコードページ932として読めないバイトがあります。\n"
    "読めない部分は「\xEF\xBF\xBD」で示し、編集はできません。"
    "保存とクリップボードへの出力は元のバイトのまま行います。";
// Message when the clipboard refused the text (UTF-8).
inline constexpr const char* kMsgClipboardFailed = "クリップボードに出力できません！";
