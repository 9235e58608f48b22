#pragma once

#include "DeviceContext.h"

#include <string>

struct CCellInputData;

// The in-place editor's ending key before Tab, Enter or Esc ended it.
inline constexpr int INPLACE_NO_END_KEY = 36;

// Header buttons: one corner button (index 0), 250 column and 250 row buttons (index 0..249).
enum class HeaderKind { Corner, Column, Row };
enum class ScrollBarKind { Horizontal, Vertical };

// Scroll range, page and position as the classic scroll bar takes them: positions run from
// min to max - page + 1. With disableNoScroll a bar whose page covers the range is shown
// disabled rather than hidden.
struct CScrollInfo {
    int min = 0;
    int max = 0;
    int page = 1;
    int pos = 0;
    bool disableNoScroll = true;
    bool operator==(const CScrollInfo&) const = default;
};

// Window services the grid view needs from the window that shows it.
class IViewHost {
public:
    virtual ~IViewHost() = default;

    virtual CSize GetClientSize() const = 0;
    // Height of the system's horizontal scroll bar (also the vertical bar's width).
    virtual int GetScrollBarSize() const = 0;
    // Device context of the client area in its default state (no clip, black pen, white
    // brush); what is drawn through it shows without waiting for a repaint.
    virtual IDeviceContext& GetClientDC() = 0;

    // The header buttons are created once and then only moved, renamed, shown and hidden.
    // A button press posts the button's control id as a command to the view.
    virtual void CreateHeaderButton(HeaderKind kind, int index, const CRect& rect,
                                    const std::string& caption) = 0;
    // Moves and repaints the button.
    virtual void MoveHeaderButton(HeaderKind kind, int index, const CRect& rect) = 0;
    virtual void SetHeaderCaption(HeaderKind kind, int index, const std::string& caption) = 0;
    virtual void ShowHeaderButton(HeaderKind kind, int index, bool show) = 0;
    virtual void RepaintHeaderButton(HeaderKind kind, int index) = 0;
    // Set by a left press on the button; cleared by the view when it has used it.
    virtual bool IsHeaderMarked(HeaderKind kind, int index) const = 0;
    virtual void SetHeaderMarked(HeaderKind kind, int index, bool marked) = 0;

    virtual void CreateScrollBar(ScrollBarKind kind, const CRect& rect) = 0;
    virtual void MoveScrollBar(ScrollBarKind kind, const CRect& rect) = 0;
    virtual void SetScrollInfo(ScrollBarKind kind, const CScrollInfo& info) = 0;
    virtual int GetScrollPos(ScrollBarKind kind) const = 0;
    // Enables or disables both arrows of the bar.
    virtual void EnableScrollArrows(ScrollBarKind kind, bool enable) = 0;
    virtual void RepaintScrollBar(ScrollBarKind kind) = 0;

    // Has the view's OnDraw run soon; erase first clears the client area to white.
    virtual void Invalidate(bool erase) = 0;
    // Queues a command for the view (handled after the current event, like a posted message).
    virtual void PostCommand(int id) = 0;
    virtual void SetWaitCursor(bool on) = 0;

    // Opens the grid's context menu with its corner at a client point.
    virtual void ShowContextMenu(CPoint /*client*/) {}
    // Shows text at once as the bar's tooltip (the position while its thumb is dragged).
    virtual void ShowScrollTip(ScrollBarKind /*kind*/, const std::string& /*utf8*/) {}

    // The in-place editor: a single-line edit box with a border over rect (client
    // coordinates), holding text (code page 932) with the caret after it and the focus.
    // Tab, Enter and Esc in it store their key as the ending key and give the focus back;
    // whenever it loses the focus the host calls the view's OnInPlaceEditKillFocus.
    virtual void OpenInPlaceEditor(const CRect& /*rect*/, const std::string& /*text*/) {}
    // Destroys the editor and gives the focus to the view. text gets its contents (code
    // page 932) and endKey its ending key (INPLACE_NO_END_KEY when none). False when the
    // contents cannot be stored (the user has been told why).
    virtual bool CloseInPlaceEditor(std::string& /*text*/, int& endKey) {
        endKey = INPLACE_NO_END_KEY;
        return false;
    }
    // Queues a key-down for the view (the editor's ending key), without Shift or Ctrl.
    virtual void PostKeyDown(int /*vk*/) {}
    // Runs the text input dialog over data; true when it ended with OK.
    virtual bool RunCellInputDialog(CCellInputData& /*data*/) { return false; }
};
