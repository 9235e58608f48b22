#pragma once

#include "CellInputData.h"
#include "RecordingDC.h"
#include "ViewHost.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

// View host that keeps the state of its buttons and bars, draws into a recording context
// of the client size and records invalidations and posted commands.
class CFakeViewHost : public IViewHost {
public:
    struct Button {
        bool created = false;
        bool visible = false;
        CRect rect;
        std::string caption;
        bool marked = false;
        int repaints = 0;
    };
    struct Bar {
        bool created = false;
        CRect rect;
        CScrollInfo info;
        bool arrowsEnabled = true;
    };

    CFakeViewHost(int width, int height, int barSize = 17)
        : size{width, height}, scrollBarSize(barSize), dc(width, height) {}

    CSize size;
    int scrollBarSize;
    CRecordingDC dc;
    Button corner;
    std::array<Button, 250> columns;
    std::array<Button, 250> rows;
    Bar hBar, vBar;
    std::vector<bool> invalidations; // the erase flag of each
    std::vector<int> posted;
    bool waitCursor = false;
    int buttonsCreated = 0;
    int barsCreated = 0;

    void Resize(int width, int height) {
        size = {width, height};
        dc.Resize(width, height);
    }

    Button& Get(HeaderKind kind, int index) {
        if (kind == HeaderKind::Corner)
            return corner;
        return kind == HeaderKind::Column ? columns.at(index) : rows.at(index);
    }
    const Button& Get(HeaderKind kind, int index) const {
        return const_cast<CFakeViewHost*>(this)->Get(kind, index);
    }
    Bar& GetBar(ScrollBarKind kind) { return kind == ScrollBarKind::Horizontal ? hBar : vBar; }
    const Bar& GetBar(ScrollBarKind kind) const {
        return kind == ScrollBarKind::Horizontal ? hBar : vBar;
    }

    CSize GetClientSize() const override { return size; }
    int GetScrollBarSize() const override { return scrollBarSize; }
    IDeviceContext& GetClientDC() override {
        dc.ResetState();
        return dc;
    }
    void CreateHeaderButton(HeaderKind kind, int index, const CRect& rect,
                            const std::string& caption) override {
        Button& b = Get(kind, index);
        ++buttonsCreated;
        b.created = true;
        b.visible = true;
        b.rect = rect;
        b.caption = caption;
    }
    void MoveHeaderButton(HeaderKind kind, int index, const CRect& rect) override {
        Get(kind, index).rect = rect;
    }
    void SetHeaderCaption(HeaderKind kind, int index, const std::string& caption) override {
        Get(kind, index).caption = caption;
    }
    void ShowHeaderButton(HeaderKind kind, int index, bool show) override {
        Get(kind, index).visible = show;
    }
    void RepaintHeaderButton(HeaderKind kind, int index) override { ++Get(kind, index).repaints; }
    bool IsHeaderMarked(HeaderKind kind, int index) const override {
        return Get(kind, index).marked;
    }
    void SetHeaderMarked(HeaderKind kind, int index, bool marked) override {
        Get(kind, index).marked = marked;
    }
    void CreateScrollBar(ScrollBarKind kind, const CRect& rect) override {
        ++barsCreated;
        GetBar(kind).created = true;
        GetBar(kind).rect = rect;
    }
    void MoveScrollBar(ScrollBarKind kind, const CRect& rect) override { GetBar(kind).rect = rect; }
    void SetScrollInfo(ScrollBarKind kind, const CScrollInfo& info) override {
        GetBar(kind).info = info;
    }
    int GetScrollPos(ScrollBarKind kind) const override { return GetBar(kind).info.pos; }
    void EnableScrollArrows(ScrollBarKind kind, bool enable) override {
        GetBar(kind).arrowsEnabled = enable;
    }
    void RepaintScrollBar(ScrollBarKind) override {}
    void Invalidate(bool erase) override { invalidations.push_back(erase); }
    void PostCommand(int id) override { posted.push_back(id); }
    void SetWaitCursor(bool on) override { waitCursor = on; }

    std::vector<CPoint> contextMenus; // client points the menu opened at
    std::vector<std::string> scrollTips;
    void ShowContextMenu(CPoint client) override { contextMenus.push_back(client); }
    void ShowScrollTip(ScrollBarKind, const std::string& utf8) override {
        scrollTips.push_back(utf8);
    }

    // In-place editor: tests set editorText and editorEndKey as the user would, then end it
    // through the view. editorRefuses makes the close report text that cannot be stored.
    bool editorOpen = false;
    int editorOpens = 0;
    CRect editorRect;
    std::string editorText;
    int editorEndKey = INPLACE_NO_END_KEY;
    bool editorRefuses = false;
    std::vector<int> postedKeys;
    void OpenInPlaceEditor(const CRect& rect, const std::string& text) override {
        editorOpen = true;
        ++editorOpens;
        editorRect = rect;
        editorText = text;
        editorEndKey = INPLACE_NO_END_KEY;
    }
    bool CloseInPlaceEditor(std::string& text, int& endKey) override {
        editorOpen = false;
        text = editorText;
        endKey = editorEndKey;
        return !editorRefuses;
    }
    void PostKeyDown(int vk) override { postedKeys.push_back(vk); }

    // Text input dialog: cellInputAnswer plays the user (no answer: Cancel); cellInputShown
    // keeps the members as the last dialog opened with them.
    std::function<bool(CCellInputData&)> cellInputAnswer;
    int cellInputRuns = 0;
    CCellInputData cellInputShown;
    bool RunCellInputDialog(CCellInputData& data) override {
        ++cellInputRuns;
        cellInputShown = data;
        return cellInputAnswer ? cellInputAnswer(data) : false;
    }
};
