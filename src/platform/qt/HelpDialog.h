#pragma once

#include <QDialog>

// The built-in help page: the keys and the commands of the menus (there is no help file).
class CHelpDialog : public QDialog {
    Q_OBJECT
public:
    explicit CHelpDialog(QWidget* parent = nullptr);

    // The page as HTML, built from the menu and key tables.
    static QString PageHtml();
    // Which language is in force, why, and how to choose another.
    static QString LanguageHtml();
};
