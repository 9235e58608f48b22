#include "QtClipboard.h"

#include "TextCodec.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool CQtClipboard::SetText(const std::string& cp932) {
    const std::optional<std::string> utf8 = Cp932ToUtf8(cp932);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!utf8 || !clipboard)
        return false;
    clipboard->setText(QString::fromStdString(*utf8));
    return true;
}

std::optional<std::string> CQtClipboard::GetText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data || !data->hasText())
        return std::nullopt;
    return Utf8ToCp932(data->text().toStdString());
}
