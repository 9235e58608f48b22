#pragma once

#include "CellInputData.h"
#include "CellSizeData.h"
#include "FakeTextMeasurer.h"
#include "RecordingDC.h"
#include "ViewHost.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

// View host that keeps the state of its buttons and bars as the view's layouts leave them,
// draws into a recording context of the client size and records invalidations and posted
// commands.
class CFakeViewHost : public IViewHost {
public:
    struct Button {
        bool visible = true;
        CRect rect;
        std::string caption; // as the window creates it: the number of its column or row
        bool marked = false;
        int repaints = 0;
    };
    struct Bar {
        CRect rect;
        CScrollInfo info;
        bool arrowsEnabled = true;
        int repaints = 0;
    };

    CFakeViewHost(int width, int height, int barSize = 17)
        : size{width, height}, scrollBarSize(barSize), dc(width, height) {
        for (int k = 0; k < 250; ++k)
            columns[k].caption = rows[k].caption = std::to_string(k + 1);
    }

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

    void Resize(int width, int height) {
        size = {width, height};
        dc.Resize(width, height);
    }

    Button& Get(HeaderKind kind, int index) {
        if (kind == HeaderKind::Corner)
            return corner;
        return kind == HeaderKind::Column ? columns.at(index) : rows.at(index);
    }
    Bar& GetBar(ScrollBarKind kind) { return kind == ScrollBarKind::Horizontal ? hBar : vBar; }

    CSize GetClientSize() const override { return size; }
    int GetScrollBarSize() const override { return scrollBarSize; }
    IDeviceContext& GetClientDC() override {
        dc.ResetState();
        return dc;
    }
    void LayoutHeaders(HeaderKind kind, const CGridGeometry& geometry) override {
        const int count = kind == HeaderKind::Corner ? 1 : 250;
        for (int k = 0; k < count; ++k) {
            const CHeaderPlace place = geometry.HeaderButton(kind, k);
            Button& b = Get(kind, k);
            b.visible = place.visible;
            if (!place.visible)
                continue;
            b.rect = place.rect;
            if (kind != HeaderKind::Corner)
                b.caption = std::to_string(place.number);
            ++b.repaints;
        }
    }
    void LayoutScrollBars(const CGridGeometry& geometry) override {
        for (const ScrollBarKind kind : {ScrollBarKind::Horizontal, ScrollBarKind::Vertical}) {
            Bar& bar = GetBar(kind);
            bar.rect = geometry.ScrollBarRect(kind);
            bar.info = geometry.ScrollInfo(kind);
            bar.arrowsEnabled = geometry.ScrollArrowsEnabled(kind);
            ++bar.repaints;
        }
    }
    void RepaintScrollBars() override {
        ++hBar.repaints;
        ++vBar.repaints;
    }
    void SetHeaderMarked(HeaderKind kind, int index, bool marked) override {
        Get(kind, index).marked = marked;
    }
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

    // Cell sizes and the font: the measurer's rules give the texts' sizes; cellSizeAnswer and
    // fontAnswer play the user of the two dialogs (no answer: Cancel) and the last members
    // and font each dialog opened with are kept.
    CFakeTextMeasurer measurer;
    std::function<bool(CCellSizeData&)> cellSizeAnswer;
    std::vector<CCellSizeData> cellSizeShown;
    std::function<bool(CFontDesc&)> fontAnswer;
    std::vector<CFontDesc> fontShown;
    std::vector<CFontDesc> viewFonts; // as the view set them
    bool IsHeaderMarked(HeaderKind kind, int index) const override {
        if (kind == HeaderKind::Corner)
            return corner.marked;
        return (kind == HeaderKind::Column ? columns : rows).at(index).marked;
    }
    ITextMeasurer& GetTextMeasurer() override { return measurer; }
    bool RunCellSizeDialog(CCellSizeData& data) override {
        cellSizeShown.push_back(data);
        return cellSizeAnswer ? cellSizeAnswer(data) : false;
    }
    bool RunFontDialog(CFontDesc& font) override {
        fontShown.push_back(font);
        return fontAnswer ? fontAnswer(font) : false;
    }
    void SetViewFont(const CFontDesc& font) override { viewFonts.push_back(font); }
};
