#pragma once

#include "FileDialog.h"

#include <QString>

class QWidget;

// Qt's filter text for one filter: "<Brindle>形式 (*.brd)" stays as it is, "All Files (*.*)"
// becomes "All Files (*)" (on this platform "*.*" would miss names without a dot),
// patterns separated by ';' are separated by spaces.
QString QtFilterText(const CFileFilter& filter);

// File dialogs over QFileDialog (Qt's own dialog, so the options behave the same everywhere).
class CQtFileDialog : public IFileDialog {
public:
    explicit CQtFileDialog(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    CFileDialogResult Run(const CFileDialogRequest& request) override;

private:
    QWidget* m_parent;
};
