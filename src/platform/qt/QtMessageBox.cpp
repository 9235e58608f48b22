#include "QtMessageBox.h"

#include "UiResources.h"
#include "UiText.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

int TitleWidth(const QWidget& window) {
    // The title bar also holds the window manager's icon and buttons.
    return window.fontMetrics().horizontalAdvance(window.windowTitle()) + 160;
}

void FitTitle(QMessageBox& box) {
    const int width = TitleWidth(box);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

namespace {

QMessageBox::Icon ToQt(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Stop:
        return QMessageBox::Critical;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

MsgAnswer CQtMessageBox::Show(const std::string& text, MsgIcon icon, MsgButtons buttons) {
    QWidget* parent = m_parent ? m_parent : QApplication::activeWindow();
    QMessageBox box(ToQt(icon), QString::fromUtf8(kAppName), UiText(text), ToQt(buttons), parent);
    box.setObjectName(QStringLiteral("messageBox"));
    // The first button is the default, as with the system's boxes.
    box.setDefaultButton(buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel
                             ? QMessageBox::Ok
                             : QMessageBox::Yes);
    FitTitle(box);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    default:
        // Closed without a button: the box's cancel answer.
        if (buttons == MsgButtons::Ok)
            return MsgAnswer::Ok;
        if (buttons == MsgButtons::YesNo)
            return MsgAnswer::No;
        return MsgAnswer::Cancel;
    }
}
