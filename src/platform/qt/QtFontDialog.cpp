#include "QtFontDialog.h"

#include "Cp932Text.h"
#include "MessageBox.h"
#include "QtDeviceContext.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QWidget>

#include <cmath>

namespace {

bool SameChoice(const QFont& a, const QFont& b) {
    return a.family() == b.family() && a.pointSize() == b.pointSize() && a.weight() == b.weight() &&
           a.italic() == b.italic() && a.underline() == b.underline();
}

} // namespace

QFont DialogFontFor(const CFontDesc& font, double dpi) {
    const QFont made = CQtDeviceContext::MakeFont(font);
    const QFontInfo info(made);
    QFont shown(info.family());
    shown.setPointSizeF(info.pixelSize() * 72.0 / dpi);
    shown.setWeight(made.weight());
    shown.setItalic(made.italic());
    shown.setUnderline(made.underline());
    return shown;
}

std::optional<CFontDesc> FontDescFor(const QFont& chosen, double dpi, QString* bad) {
    const std::optional<std::string> face = QStringToCp932(chosen.family(), bad);
    if (!face)
        return std::nullopt;
    CFontDesc desc;
    desc.face = *face;
    const double pixels =
        chosen.pointSizeF() > 0 ? chosen.pointSizeF() * dpi / 72.0 : chosen.pixelSize();
    desc.height = -std::max(1, static_cast<int>(std::lround(pixels)));
    desc.width = 0;
    desc.weight = chosen.weight();
    desc.italic = chosen.italic();
    desc.underline = chosen.underline();
    return desc;
}

bool RunFontDialog(CFontDesc& font, IMessageBox& messages, QWidget* parent) {
    const double dpi = parent ? parent->logicalDpiY() : 96.0;
    const QFont shown = DialogFontFor(font, dpi);
    QFontDialog dialog(shown, parent);
    // Qt's own dialog, so that it opens on the face the grid draws with.
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QFont chosen = dialog.selectedFont();
    if (SameChoice(chosen, shown))
        return true;
    QString bad;
    const std::optional<CFontDesc> desc = FontDescFor(chosen, dpi, &bad);
    if (!desc) {
        messages.Show(QString::fromUtf8(kMsgCharNotCp932).arg(bad).toStdString(),
                      MsgIcon::Exclamation);
        return false;
    }
    font = *desc;
    return true;
}
