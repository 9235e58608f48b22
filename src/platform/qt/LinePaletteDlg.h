#pragma once

#include "LinePalette.h"

#include <QAbstractButton>
#include <QDialog>
#include <QObject>
#include <QPixmap>
#include <QPointer>

#include <functional>

class QButtonGroup;
class QPushButton;

// A picture of a palette button, by name: the button's caption followed by U (normal),
// D (pressed) or F (focused), such as "WOLINEU". A small table with the lines of the button's
// command; 48 x 30 pixels, OTHERA's 60 x 40. A null pixmap for an unknown name.
QPixmap LineButtonPicture(const QString& name);

// Picture button of the border palette: shows its pressed picture while it is held down,
// its focused picture while it has the focus, its normal picture otherwise.
class CLineButton : public QAbstractButton {
    Q_OBJECT
public:
    CLineButton(const QString& caption, int command, QWidget* parent);

    const QString& Caption() const { return m_caption; }
    int Command() const { return m_command; }
    QSize sizeHint() const override { return m_normal.size(); }
    // The picture shown now.
    const QPixmap& CurrentPicture() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_caption;
    int m_command;
    QPixmap m_normal;
    QPixmap m_pressed;
    QPixmap m_focused;
};

// The border palette "框線": a modeless tool window of the main window with the thirteen
// picture buttons of the line commands, the input method radio buttons and "結束". It never
// changes the table: it posts commands (through post) that reach the view like the menu's.
class CLinePaletteDlg : public QDialog {
    Q_OBJECT
public:
    // post queues a command for the main window; toGrid gives the focus back to the grid.
    CLinePaletteDlg(QWidget* owner, std::function<void(int)> post, std::function<void()> toGrid);

    // The input method as the radio buttons were read last (a picture button's click, Enter).
    int InputMethod() const { return m_inputMethod; }
    CLineButton* Button(const QString& caption) const;
    QButtonGroup* Methods() const { return m_methods; }
    QPushButton* CloseButton() const { return m_close; }

protected:
    // Enter runs the focused picture button's command; Ctrl+F goes back to the grid.
    void keyPressEvent(QKeyEvent* e) override;
    // Esc, and the close button of the window's frame: the view closes the palette.
    void reject() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void ReadMethod();
    void OnPicture(CLineButton* button);

    std::function<void(int)> m_post;
    std::function<void()> m_toGrid;
    QButtonGroup* m_methods = nullptr;
    QPushButton* m_close = nullptr;
    int m_inputMethod = 0;
};

// Makes the palettes the view opens: each a CLinePaletteDlg owned by the main window.
class CQtLinePaletteFactory : public QObject, public ILinePaletteFactory {
public:
    CQtLinePaletteFactory(QWidget* owner, std::function<void(int)> post,
                          std::function<void()> toGrid);

    std::unique_ptr<ILinePalette> CreateLinePalette() override;

private:
    QWidget* m_owner;
    std::function<void(int)> m_post;
    std::function<void()> m_toGrid;
};
