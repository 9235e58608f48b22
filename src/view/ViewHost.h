#pragma once

#include "DeviceContext.h"
#include "GridGeometry.h"

#include <string>

struct CCellInputData;
struct CCellSizeData;
class ITextMeasurer;

// The in-place editor's ending key before Tab, Enter or Esc ended it.
inline constexpr int INPLACE_NO_END_KEY = 36;

// Window services the grid view needs from the window that shows it. The window owns its
// header buttons and scroll bars and lays them out from the view's geometry when told.
class IViewHost {
public:
    virtual ~IViewHost() = default;

    // The client size and the system's scroll bar thickness, read at the initial update; later
    // sizes come through the view's OnSize.
    virtual CSize GetClientSize() const = 0;
    virtual int GetScrollBarSize() const = 0;
    // Device context of the client area in its default state (no clip, black pen, white
    // brush); what is drawn through it shows without waiting for a repaint.
    virtual IDeviceContext& GetClientDC() = 0;
    // Has the view's OnDraw run soon; erase first clears the client area to white.
    virtual void Invalidate(bool erase) = 0;

    // Places, numbers, shows and hides the buttons of a header strip as geometry says
    // (HeaderButton), and repaints them; for the corner, its one button. A button press posts
    // the button's control id as a command to the view.
    virtual void LayoutHeaders(HeaderKind kind, const CGridGeometry& geometry) = 0;
    // Places both scroll bars and sets their range, page, position and arrows as geometry
    // says, and repaints them.
    virtual void LayoutScrollBars(const CGridGeometry& geometry) = 0;
    virtual void RepaintScrollBars() = 0;
    // A header button's mark, set by a left press on it and cleared by the command that used it.
    virtual void SetHeaderMarked(HeaderKind kind, int index, bool marked) = 0;

    // Queues a command for the view (handled after the current event, like a posted message).
    virtual void PostCommand(int id) = 0;
    // Queues a key-down for the view (the editor's ending key), without Shift or Ctrl.
    virtual void PostKeyDown(int vk) = 0;
    virtual void SetWaitCursor(bool on) = 0;
    // Opens the grid's context menu with its corner at a client point.
    virtual void ShowContextMenu(CPoint client) = 0;
    // Shows text at once as the bar's tooltip (the position while its thumb is dragged).
    virtual void ShowScrollTip(ScrollBarKind kind, const std::string& utf8) = 0;

    // The in-place editor: a single-line edit box with a border over rect (client
    // coordinates), holding text (code page 932) with the caret after it and the focus.
    // Tab, Enter and Esc in it store their key as the ending key and give the focus back;
    // whenever it loses the focus the host calls the view's OnInPlaceEditKillFocus.
    virtual void OpenInPlaceEditor(const CRect& rect, const std::string& text) = 0;
    // Destroys the editor and gives the focus to the view. text gets its contents (code
    // page 932) and endKey its ending key (INPLACE_NO_END_KEY when none). False when the
    // contents cannot be stored (the user has been told why).
    virtual bool CloseInPlaceEditor(std::string& text, int& endKey) = 0;
    // Runs the text input dialog over data; true when it ended with OK.
    virtual bool RunCellInputDialog(CCellInputData& data) = 0;

    // Cell sizes and the view font.
    // Whether a header button's mark is set.
    virtual bool IsHeaderMarked(HeaderKind kind, int index) const = 0;
    // Measures texts as the grid draws them.
    virtual ITextMeasurer& GetTextMeasurer() = 0;
    // Runs the cell size dialog over data; true when it ended with OK.
    virtual bool RunCellSizeDialog(CCellSizeData& data) = 0;
    // Runs the font dialog showing font; on OK font takes the choice and the result is true.
    virtual bool RunFontDialog(CFontDesc& font) = 0;
    // The view font changed (and at the initial update): the header captions and the
    // in-place editor take it.
    virtual void SetViewFont(const CFontDesc& font) = 0;
};
