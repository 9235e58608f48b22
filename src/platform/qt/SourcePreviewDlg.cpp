#include "SourcePreviewDlg.h"

#include "Clipboard.h"
#include "Cp932Text.h"
#include "MessageBox.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>

CSourcePreviewDlg::CSourcePreviewDlg(CSourcePreviewData& preview, IClipboard& clipboard,
                                     IMessageBox& messages, SaveFunction save, QWidget* parent)
    : QDialog(parent), m_data(preview), m_clipboard(clipboard), m_messages(messages),
      m_saveFunction(std::move(save)) {
    setWindowTitle(tr("產生之原始碼之預視與編輯"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_group = new QGroupBox(tr("產生原始碼"), this);
    m_edit = new QPlainTextEdit(this);
    m_edit->setObjectName(QStringLiteral("source"));
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setTabChangesFocus(true);
    m_edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_save = new QPushButton(tr("檔案之儲存(&F)"), this);
    m_copy = new QPushButton(tr("clipboard 之輸出(&C)"), this);
    m_cancel = new QPushButton(tr("取消"), this);
    m_save->setDefault(true);
    // Enter in the text inserts a line break; the buttons take no automatic default.
    m_copy->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    connect(m_save, &QPushButton::clicked, this, &CSourcePreviewDlg::OnSave);
    connect(m_copy, &QPushButton::clicked, this, &CSourcePreviewDlg::OnCopy);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    // One conversion and one plain-text load: no per-line work for large tables.
    m_edit->setPlainText(Cp932ToQString(m_data.m_text, &m_readable));
    m_edit->document()->setModified(false);
    if (!m_readable)
        m_edit->setReadOnly(true);

    resize(DEFAULT_WIDTH, DEFAULT_HEIGHT);
    m_initialized = true;
    if (m_data.m_zoomed) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else if (m_data.m_width != 0 || m_data.m_height != 0) {
        resize(std::max(m_data.m_width, 1), std::max(m_data.m_height, 1));
    }
    m_edit->setFocus();
}

void CSourcePreviewDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        // Centred over the owner unless maximised.
        if (!isMaximized() && parentWidget()) {
            const QRect owner = parentWidget()->window()->frameGeometry();
            move(owner.center() - QPoint(width() / 2, height() / 2));
        }
        Layout();
        if (!m_readable)
            QTimer::singleShot(
                0, this, [this] { m_messages.Show(kMsgPreviewUnreadable, MsgIcon::Exclamation); });
    }
}

void CSourcePreviewDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_initialized)
        Layout();
}

void CSourcePreviewDlg::Layout() {
    // Sizes follow the clipboard button's caption in the dialog's font.
    const QFontMetrics metrics(font());
    const QString caption = m_copy->text();
    const int cx = metrics.horizontalAdvance(caption);
    const int cy = metrics.height();
    const int w = static_cast<int>(cx * 1.05);
    const int h = static_cast<int>(cy * 1.5);
    const int cw = width();
    const int ch = height();
    const int left = static_cast<int>(cw - w * 1.1);
    m_save->setGeometry(left, 30, w, h);
    m_copy->setGeometry(left, h + 40, w, h);
    m_cancel->setGeometry(left, 2 * h + 50, w, h);
    m_group->setGeometry(5, 5, std::max(cw - w - 52, 0), std::max(ch - 10, 0));
    m_edit->setGeometry(17, 20, std::max(cw - w - 72, 0), std::max(ch - 35, 0));
    m_edit->raise();
    m_edit->update();
}

std::optional<std::string> CSourcePreviewDlg::EditedText() {
    if (!m_edit->document()->isModified())
        return m_data.m_text;
    QString bad;
    std::optional<std::string> text = QStringToCp932(WithCrLf(m_edit->toPlainText()), &bad);
    if (!text)
        m_messages.Show(QString::fromUtf8(kMsgOutputNotCp932).arg(bad).toStdString(),
                        MsgIcon::Exclamation);
    return text;
}

void CSourcePreviewDlg::OnSave() {
    const std::optional<std::string> text = EditedText();
    if (!text)
        return;
    m_data.m_text = *text;
    m_edit->document()->setModified(false);
    if (!m_saveFunction || m_saveFunction(m_data.m_text))
        accept();
}

void CSourcePreviewDlg::OnCopy() {
    m_edit->selectAll();
    m_edit->ensureCursorVisible();
    if (const std::optional<std::string> text = EditedText()) {
        if (m_clipboard.SetText(*text) != ClipboardWrite::Ok)
            m_messages.Show(kMsgClipboardFailed, MsgIcon::Exclamation);
    }
    m_edit->moveCursor(QTextCursor::Start);
    m_edit->ensureCursorVisible();
}

void CSourcePreviewDlg::done(int result) {
    m_data.m_width = width();
    m_data.m_height = height();
    m_data.m_zoomed = isMaximized() ? 1 : 0;
    QDialog::done(result);
}
