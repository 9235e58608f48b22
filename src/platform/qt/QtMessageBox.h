#pragma once

#include "MessageBox.h"

class QMessageBox;
class QWidget;

// Widens box so that its whole title shows.
void FitTitle(QMessageBox& box);
// The width a window needs to show its whole title beside the window manager's buttons.
int TitleWidth(const QWidget& window);

// Message boxes over QMessageBox, captioned with the application's name; the text is
// translated on its way in (UiText).
class CQtMessageBox : public IMessageBox {
public:
    // parent: the window the boxes are modal to (may be set later).
    explicit CQtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons) override;

private:
    QWidget* m_parent;
};
