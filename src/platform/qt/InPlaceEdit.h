#pragma once

#include "ViewHost.h"

#include <QLineEdit>

#include <functional>

// The in-place editor: a line edit with a border over the selection, scrolling sideways.
// Tab, Enter and Esc store their key as the ending key and give the focus to the parent;
// every other key is the editor's and never reaches the grid;
// every loss of the focus (but to a popup of its own) is reported through onFocusLost.
// Characters that code page 932 cannot hold, and text beyond what a cell can hold, are
// refused as they are typed, with a tooltip that says why.
class CInPlaceEdit : public QLineEdit {
public:
    explicit CInPlaceEdit(QWidget* parent);

    int m_endKey = INPLACE_NO_END_KEY;
    std::function<void()> onFocusLost;

    // The text in code page 932, or no value (after telling the user why) when it cannot
    // be stored.
    std::optional<std::string> Cp932Text();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void End(int key);
    void ReportFocusLost();
};
