#include "QtClipboard.h"

#include "Cp932Text.h"
#include "TextCodec.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <new>

ClipboardWrite CQtClipboard::SetText(const std::string& cp932) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return ClipboardWrite::OpenFailed;
    try {
        const std::optional<std::string> utf8 = Cp932ToUtf8(cp932);
        if (!utf8)
            return ClipboardWrite::Unconvertible;
        const QString text = QString::fromStdString(*utf8);
        clipboard->setText(text);
        // The window system may refuse the clipboard to us; then the text does not come back.
        const QMimeData* now = clipboard->mimeData();
        if (!now || !now->hasText() || now->text() != text)
            return ClipboardWrite::SetFailed;
    } catch (const std::bad_alloc&) {
        return ClipboardWrite::NoMemory;
    }
    return ClipboardWrite::Ok;
}

CClipboardText CQtClipboard::GetText() {
    CClipboardText result;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data || !data->hasText())
        return result;
    QString bad;
    if (std::optional<std::string> cp932 = QStringToCp932(data->text(), &bad)) {
        result.status = CClipboardText::Ok;
        result.text = std::move(*cp932);
    } else {
        result.status = CClipboardText::Unconvertible;
        result.character = bad.toStdString();
    }
    return result;
}

std::optional<std::string> CQtClipboard::GetHtml() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data || !data->hasHtml())
        return std::nullopt;
    // html() decodes the flavour by its byte-order mark or its charset declaration.
    return data->html().toStdString();
}

bool CQtClipboard::HasText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    return data && (data->hasText() || data->hasHtml());
}
